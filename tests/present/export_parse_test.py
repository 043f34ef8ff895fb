"""Parses the CSV and JSON exports back with Python's own parsers and checks what they hold.

--sample EXE: the worked example with hostile user names, from tests/present/export_sample.
--program ORVANTA WRITER DIR: the real program's report of the fixture log the writer makes.
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
        self.assertIn("-05:30", json.loads(run([exe, "json", "-330"]))["runs"][0]["boot"])

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


if __name__ == "__main__":
    argv = sys.argv[1:]
    if argv[:1] == ["--sample"]:
        ARGS["sample"] = argv[1]
    elif argv[:1] == ["--program"]:
        ARGS["program"] = argv[1:4]
    else:
        sys.exit(__doc__)
    # Only the mode asked for runs.
    name = "test_sample" if "sample" in ARGS else "test_program"
    result = unittest.TextTestRunner(verbosity=2).run(Exports(name))
    sys.exit(0 if result.wasSuccessful() else 1)
