#pragma once

#include <string>
#include <string_view>

namespace orvanta::present {

// When QuotedText puts a text in quotes: always (a value quoted inside a message anyway), or
// only when it holds something that must be escaped (a file name or a reason, which read as
// they are otherwise).
enum class QuoteWhen { Always, Needed };

// The text as one line of a terminal message, quoted as the shell reads it back: in single
// quotes (a quote inside as '\''), with each run of control characters (C0, DEL and C1), and
// each byte that is not UTF-8, written as $'...' with C escapes or three octal digits, so
// "a<LF>b" becomes 'a'$'\n''b'. File names and database texts come from outside; raw, a line
// feed would split the message and an escape sequence would drive the terminal.
std::string QuotedText(std::string_view text, QuoteWhen when = QuoteWhen::Needed);

// Appends the text with its control characters (C0, DEL and C1) written as C escapes or three
// octal digits ("\t", "\033"), for a field of the tab-separated report: a user name read from
// a file can neither split the line nor drive the terminal. Other bytes stay as they are.
void AppendEscapedControls(std::string& out, std::string_view text);

}  // namespace orvanta::present
