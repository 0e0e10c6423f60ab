// The fields of a form post, in the order they came.
//
// The program posts two ways: raw bodies whose values are inserted as they
// are, and field lists whose names and values are percent-encoded. The
// handlers know which request uses which, so the parser keeps values raw and
// a list-style handler decodes them explicitly.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarlo::server {

class FormFields {
 public:
  // Splits at "&" and the first "=" of each pair; empty pairs (the blank
  // lines of a field list) are skipped. Names are percent-decoded.
  static FormFields Parse(std::string_view body);

  // Percent-decodes every value and turns "+" into a space.
  void DecodeValues();

  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  // The first value of the name; nullptr when the field is missing.
  const std::string* Find(std::string_view name) const;
  // The first field whose name starts with the prefix.
  const std::pair<std::string, std::string>* FindPrefix(std::string_view prefix) const;
  const std::vector<std::pair<std::string, std::string>>& All() const { return fields_; }

 private:
  std::vector<std::pair<std::string, std::string>> fields_;
};

std::string PercentDecode(std::string_view text, bool plus_is_space);

// A decimal integer that fills the whole text (a leading "-" allowed).
std::optional<long long> ParseInteger(std::string_view text);
// A decimal number with a point; a comma is read as the point too.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace quarlo::server
