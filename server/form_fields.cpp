#include "server/form_fields.h"

#include <charconv>
#include <cmath>

namespace quarlo::server {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view TrimLineEnds(std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  while (!text.empty() && (text.front() == '\r' || text.front() == '\n')) text.remove_prefix(1);
  return text;
}

}  // namespace

std::string PercentDecode(std::string_view text, bool plus_is_space) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%' && i + 2 < text.size()) {
      const int hi = HexValue(text[i + 1]);
      const int lo = HexValue(text[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += (c == '+' && plus_is_space) ? ' ' : c;
  }
  return out;
}

FormFields FormFields::Parse(std::string_view body) {
  FormFields form;
  std::size_t start = 0;
  while (start <= body.size()) {
    std::size_t end = body.find('&', start);
    if (end == std::string_view::npos) end = body.size();
    const std::string_view pair = TrimLineEnds(body.substr(start, end - start));
    if (!pair.empty()) {
      const std::size_t eq = pair.find('=');
      std::string name = PercentDecode(pair.substr(0, eq), true);
      std::string value = eq == std::string_view::npos ? std::string() : std::string(pair.substr(eq + 1));
      if (!name.empty()) form.fields_.emplace_back(std::move(name), std::move(value));
    }
    start = end + 1;
  }
  return form;
}

void FormFields::DecodeValues() {
  for (auto& [name, value] : fields_) value = PercentDecode(value, true);
}

const std::string* FormFields::Find(std::string_view name) const {
  for (const auto& field : fields_) {
    if (field.first == name) return &field.second;
  }
  return nullptr;
}

const std::pair<std::string, std::string>* FormFields::FindPrefix(std::string_view prefix) const {
  for (const auto& field : fields_) {
    if (field.first.starts_with(prefix)) return &field;
  }
  return nullptr;
}

std::optional<long long> ParseInteger(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > 32) return std::nullopt;
  std::string copy(text);
  for (char& c : copy) {
    if (c == ',') c = '.';
  }
  double value = 0;
  const auto [ptr, ec] = std::from_chars(copy.data(), copy.data() + copy.size(), value);
  if (ec != std::errc() || ptr != copy.data() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace quarlo::server
