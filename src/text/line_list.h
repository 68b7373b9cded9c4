#pragma once
// An ordered list of 8-bit text lines with key lookup over the whole list.
// Every file of the program is read into one and written from one.
#include <string>
#include <string_view>
#include <vector>

namespace kmpx {

class LineList {
 public:
  LineList() = default;
  LineList(std::initializer_list<std::string> lines) : lines_(lines) {}

  int Count() const { return static_cast<int>(lines_.size()); }
  bool Empty() const { return lines_.empty(); }
  // Index errors throw std::out_of_range: callers treat them as a malformed file.
  const std::string& Get(int index) const;
  void Put(int index, std::string text);
  void Add(std::string text) { lines_.push_back(std::move(text)); }
  void Insert(int index, std::string text);  // index may equal Count()
  void Delete(int index);
  void Clear() { lines_.clear(); }

  // First line equal to text, Latin and Cyrillic letters in any case; -1 if none.
  int IndexOf(std::string_view text) const;
  // First line holding "=" whose part before the first "=" equals key in any case.
  int IndexOfKey(std::string_view key) const;
  // Text after the first "=" of that line; empty when there is none.
  std::string ValueOf(std::string_view key) const;

  // Splits at CR LF, a lone CR and a lone LF; no line keeps its line end.
  static LineList FromText(std::string_view text);
  // Every line followed by CR LF, the last one included.
  std::string ToText() const;

  const std::vector<std::string>& Lines() const { return lines_; }
  auto begin() const { return lines_.begin(); }
  auto end() const { return lines_.end(); }
  bool operator==(const LineList&) const = default;

 private:
  void CheckIndex(int index, int limit) const;
  std::vector<std::string> lines_;
};

}  // namespace kmpx
