"""Parses the CSV and JSON exports back with Python's own parsers and checks what they hold.

--sample EXE: the worked example with hostile user names, from tests/present/export_sample.
--program ORVANTA WRITER DIR: the real program's report of the fixture log the writer makes,
and its report of several logs at once beside the reports of each alone.
"""
import csv
import io
import json
import os
import pwd
import subprocess
import sys
import unittest

HEADER = ["boot", "shutdown", "run_seconds", "run_length", "user", "state", "status"]
# The power history's columns after them.
POWER = ["awake_seconds", "asleep_seconds", "boot_type", "end", "end_time"]
DAY_HEADER = ["date", "awake_hours", "asleep_hours", "first_on", "last_off", "boots", "wakes",
              "attended_wakes"]
STATES = ["running", "clean", "abnormal", "no-boot"]
STATUS = ["正常,运行中...", "正常关机", "非正常关机", "无开机记录"]
ARGS = {}


def run(command, env=None):
    done = subprocess.run(command, capture_output=True, env=env, check=True)
    return done.stdout


def parse_csv(data, header=HEADER + POWER):
    # Strict UTF-8, and newline="" so that line ends inside quoted fields stay as written.
    rows = list(csv.reader(io.StringIO(data.decode("utf-8"), newline="")))
    return rows[0], [dict(zip(header, row, strict=True)) for row in rows[1:]]


def json_row(row, keys=HEADER):
    # A run of the JSON export with the CSV's texts: empty for null, numbers as digits.
    return {k: "" if row[k] is None else str(row[k]) for k in keys}


class Exports(unittest.TestCase):
    def check_consistent(self, csv_data, json_data, offset):
        self.assertTrue(csv_data.endswith(b"\r\n"))
        header, rows = parse_csv(csv_data)
        self.assertEqual(header, HEADER + POWER)
        doc = json.loads(json_data.decode("utf-8"))
        self.assertEqual(sorted(doc), ["runs", "source", "summary"])
        self.assertEqual([json_row(r, HEADER + POWER) for r in doc["runs"]], rows)
        self.assertEqual([r["state"] for r in rows], STATES)
        self.assertEqual([r["status"] for r in rows], STATUS)
        for row in rows:
            for key in ("boot", "shutdown"):
                self.assertTrue(row[key] == "" or row[key].endswith(offset), row[key])
        self.assertEqual(doc["runs"][3]["boot"], None)
        total = sum(r["run_seconds"] for r in doc["runs"])
        summary = {"count": 4, "days": 3, "total_hours": 3, "average_hours": 0,
                   "total_seconds": total}
        self.assertEqual({k: doc["summary"][k] for k in summary}, summary)
        return rows, doc

    def test_sample(self):
        exe = ARGS["sample"]
        rows, doc = self.check_consistent(
            run([exe, "csv", "480"]), run([exe, "json", "480"]), "+08:00"
        )
        self.assertEqual(rows[0]["user"], 'ann, "the\nadmin"')
        self.assertEqual(rows[1]["user"], "b\x01\t\\\ufffd\ufffd\ufffdz\ufffd")
        self.assertEqual(rows[1]["boot"], "2024-03-09T20:00:00+08:00")
        self.assertEqual(doc["source"], "/var/log/wtmp\x01\ufffd")
        total = sum(r["run_seconds"] for r in doc["runs"])
        self.assertIn("-05:30", json.loads(run([exe, "json", "-330"]))["runs"][0]["boot"])

        # Two logs in one report: each row with its log's source and host, a CR LF kept
        # inside a quoted field, and the summary counting both logs.
        many = list(csv.reader(io.StringIO(run([exe, "csv-many", "480"]).decode("utf-8"),
                                           newline="")))
        self.assertEqual(many[0], HEADER + POWER + ["source", "host"])
        alone = parse_csv(run([exe, "csv", "480"]))[1]
        second = [dict(r) for r in alone]
        second[2]["user"] = "c\r\nd"
        expected = [list(r.values()) + ["/var/log/wtmp\x01\ufffd", 'pc,"1"\r\n'] for r in alone]
        expected += [list(r.values()) + ["b.evtx", ""] for r in second]
        self.assertEqual(many[1:], expected)
        doc = json.loads(run([exe, "json-many", "480"]))
        self.assertEqual([log["host"] for log in doc["logs"]], ['pc,"1"\r\n', None])
        self.assertEqual([json_row(r) for r in doc["logs"][1]["runs"]],
                         [{k: r[k] for k in HEADER} for r in second])
        one = json.loads(run([exe, "json", "480"]))["summary"]
        self.assertEqual(doc["summary"], one | {"count": 8, "total_hours": 2 * total // 3600,
                                                "total_seconds": 2 * total})

    def test_program(self):
        program, writer, folder = ARGS["program"]
        os.makedirs(folder, exist_ok=True)
        log = os.path.join(folder, "export-fixture.evt")
        run([writer, log, "0", "1"])
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        env["TZ"] = "<+08>-8"
        report = lambda fmt: run([program, "--report", "--format=" + fmt, log], env)
        rows, doc = self.check_consistent(report("csv"), report("json"), "+08:00")
        self.assertEqual(doc["source"], log)
        self.assertEqual(rows[1]["boot"], "2024-03-10T04:00:00+08:00")
        self.assertEqual(rows[1]["run_seconds"], "12600")
        self.assertEqual([r["user"] for r in rows[:3]],
                         [pwd.getpwuid(0).pw_name, pwd.getpwuid(1).pw_name, pwd.getpwuid(0).pw_name])
        self.assertEqual(rows[1]["end"], "clean")
        self.assertEqual(rows[1]["end_time"], rows[1]["shutdown"])
        # By day: both forms hold the same days, and the awake hours add up to the runs' time.
        by_day = lambda fmt: run([program, "--report", "--by=day", "--format=" + fmt, log], env)
        header, days = parse_csv(by_day("csv"), DAY_HEADER)
        self.assertEqual(header, DAY_HEADER)
        day_doc = json.loads(by_day("json").decode("utf-8"))
        # JSON writes the hours as numbers, 0.00 reading back as 0.0.
        hours = lambda d: {k: "%.2f" % float(v) if k.endswith("hours") and v else v
                           for k, v in d.items()}
        self.assertEqual([hours(json_row(d, DAY_HEADER)) for d in day_doc["days"]], days)
        awake = sum(float(d["awake_hours"]) for d in days) * 3600
        self.assertAlmostEqual(awake, sum(r["awake_seconds"] for r in doc["runs"]), delta=60)

    def test_many(self):
        program, writer, folder = ARGS["program"]
        os.makedirs(folder, exist_ok=True)
        logs = [os.path.join(folder, "many-a.evt"), os.path.join(folder, "many-b.evt")]
        run([writer, logs[0], "0", "1"])
        run([writer, logs[1], "1", "0"])
        missing = os.path.join(folder, "missing.evt")
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        env["TZ"] = "<+08>-8"
        # More threads than logs, whatever the cores, so the logs are read side by side.
        env["ORVANTA_THREADS"] = "3"
        samples = [os.path.join(os.path.dirname(__file__), up, "shared", "samples")
                   for up in ("../../..", "../../../..")]
        samples = [d for d in samples if os.path.isdir(d)]
        known = [(os.path.join(samples[0], name), host) for name, host in
                 (("server2003-System.evt", "WIN2003S-CF42A4"),
                  ("win10-System-2022.evtx", "DESKTOP-EIS938N"),
                  ("rhel91-online-zstd.journal", "drano"),
                  ("ubuntu22-x86_64.wtmp", ""))] if samples else []
        files = [logs[0], missing, logs[1]] + [path for path, _ in known]
        hosts = ["ORVANTA-PC", "ORVANTA-PC"] + [host for _, host in known]
        read = [f for f in files if f != missing]

        def report(fmt, paths):
            done = subprocess.run([program, "--report", "--format=" + fmt] + paths,
                                  capture_output=True, env=env)
            # Any other status is a crash, or a thread sanitizer's report.
            self.assertIn(done.returncode, (0, 1), done.stderr)
            return done.returncode, done.stdout, done.stderr.decode("utf-8")

        status, csv_data, err = report("csv", files)
        self.assertEqual(status, 0)
        self.assertEqual(err.splitlines(), [f"orvanta: {missing}: No such file or directory"])
        header, _ = parse_csv(report("csv", [logs[0]])[1])
        rows = list(csv.reader(io.StringIO(csv_data.decode("utf-8"), newline="")))
        self.assertEqual(rows[0], header + ["source", "host"])
        expected = []
        for path, host in zip(read, hosts):
            alone = list(csv.reader(io.StringIO(report("csv", [path])[1].decode("utf-8"),
                                                newline="")))
            expected += [row + [path, host] for row in alone[1:]]
        self.assertEqual(rows[1:], expected)

        status, json_data, _ = report("json", files)
        doc = json.loads(json_data.decode("utf-8"))
        self.assertEqual(sorted(doc), ["logs", "summary"])
        alone = [json.loads(report("json", [path])[1]) for path in read]
        self.assertEqual([log.pop("host") for log in doc["logs"]], [h or None for h in hosts])
        self.assertEqual(doc["logs"], alone)
        for key in ("count", "total_seconds"):
            self.assertEqual(doc["summary"][key], sum(log["summary"][key] for log in alone))
        # ISO times of one offset sort as text.
        self.assertEqual(doc["summary"]["history_from"],
                         min(log["summary"]["history_from"] for log in alone))
        self.assertEqual(doc["summary"]["history_to"],
                         max(log["summary"]["history_to"] for log in alone))

        text = report("text", files)[1].decode("utf-8")
        blocks = [f"Log: {path}" + (f"\tMachine: {host}" if host else "") + "\n" +
                  report("text", [path])[1].decode("utf-8") for path, host in zip(read, hosts)]
        self.assertEqual(text, "\n".join(blocks))
        self.assertEqual(report("text", [missing, missing])[0], 1)


if __name__ == "__main__":
    argv = sys.argv[1:]
    if argv[:1] == ["--sample"]:
        ARGS["sample"] = argv[1]
    elif argv[:1] == ["--program"]:
        ARGS["program"] = argv[1:4]
    else:
        sys.exit(__doc__)
    # Only the mode asked for runs.
    names = ["test_sample"] if "sample" in ARGS else ["test_program", "test_many"]
    suite = unittest.TestSuite(Exports(name) for name in names)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)
