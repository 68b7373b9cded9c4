#pragma once
// The string procedures the parsers use. All work on CP1251 bytes; positions
// count from 1 where a number is a field or a place in the text.
#include <string>
#include <string_view>

namespace kmpx {

// The case rule of the DOS Cyrillic code page, applied to bytes: only Latin
// letters match across the two code pages, so Cyrillic letters of code page
// 1251 in different case stay different under SameTextDos.
std::string DosUpperCase(std::string_view s);
std::string DosLowerCase(std::string_view s);
bool SameTextDos(std::string_view a, std::string_view b);

// The characters before the first ch; without ch all but the last character.
// At most 255 characters.
std::string TextBefore(std::string_view s, char ch);
// The text after position p of the first occurrence of sub, so for a longer
// sub everything after its first character; the whole of s without sub.
std::string TextAfter(std::string_view s, std::string_view sub);
// Every pattern character k equals s[k] or s[k+1] (DOS case rule): accepts a
// prefix and a prefix shifted by one ("_CSGThreads" against "CSGThreads").
// Patterns shorter than 2 characters never match.
bool LooseStartsWith(std::string_view s, std::string_view pattern);

int CountChar(std::string_view s, char ch);
// A sep at the very end ends the last field and opens no new one.
int FieldCount(std::string_view s, char sep);
// Field n (from 1), at most 255 characters; empty when there is no field n.
std::string GetField(std::string_view s, int n, char sep);
// Number of the first field equal to item by SameTextDos; 0 if none.
int FieldIndexOf(std::string_view s, std::string_view item, char sep);

// Left to right; inserted text is not searched again. Without caseSensitive
// occurrences are found under the DOS case rule. An empty old changes nothing.
std::string ReplaceText(std::string_view s, std::string_view oldText, std::string_view newText,
                        bool caseSensitive);
// Inside quote-delimited spans only, target becomes replacement: protects
// spaces in quoted paths before a command line is split at spaces.
std::string ReplaceNameSimbol(std::string_view s, char quote, char target, char replacement);
std::string ReplaceChar(std::string_view s, char from, char to);
std::string RemoveChar(std::string_view s, char ch);
std::string RemoveChars(std::string_view s, std::string_view set);
// Removes every ch standing next to an anchor ("a = b" -> "a=b" for '=' and ' ').
std::string RemoveCharBeside(std::string_view s, char anchor, char ch);
// A leading run of ch goes; every other run becomes a single ch.
std::string SqueezeChar(std::string_view s, char ch);
bool ContainsAnyChar(std::string_view s, std::string_view set);

// s wrapped in double quotes unless empty or already wrapped.
std::string QuoteText(std::string_view s);
// The same with "%": a name becomes a batch variable reference.
std::string PercentWrap(std::string_view s);
std::string RepeatChar(int n, char ch);

// Paths accept "\" and "/" alike. AddBackslash appends the separator the path
// already uses (its last one), or this platform's own when it has none.
std::string AddBackslash(std::string_view path);
bool IsPathSeparator(char c);
// Starts with a separator, or with a drive letter and ":".
bool IsAbsolutePath(std::string_view path);
// The part after the last separator (or after a leading drive "C:").
std::string ExtractFileName(std::string_view path);
// Everything up to and including the last separator.
std::string ExtractFilePath(std::string_view path);
// The folder without its trailing separator, except for a root ("C:\", "/").
std::string ExtractFileDir(std::string_view path);
// The extension of the file name with its dot; empty when there is none.
std::string ExtractFileExt(std::string_view path);
// The path with the file name's extension replaced by ext (which holds its dot).
std::string ChangeFileExt(std::string_view path, std::string_view ext);

}  // namespace kmpx
