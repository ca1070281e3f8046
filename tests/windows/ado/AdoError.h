#pragma once
// The failures ADO and the Jet engine report, with their codes and texts. A member throws one;
// the caller gets DISP_E_EXCEPTION with the text in the EXCEPINFO, as from ADO itself.
#include <windows.h>

#include <string>

namespace adostandin {

struct AdoError {
  HRESULT code;
  std::string description;  // in the host's code page, as the stand-in's texts
};

namespace errors {

inline AdoError code(unsigned long value, std::string text) {
  return AdoError{static_cast<HRESULT>(value), std::move(text)};
}
inline AdoError wrongArguments() {
  return code(0x800A0BB9,
              "Arguments are of the wrong type, are out of acceptable range, or are in conflict with one "
              "another.");
}
inline AdoError noCurrentRecord() {
  return code(0x800A0BCD,
              "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
              "requires a current record.");
}
inline AdoError itemNotFound() {
  return code(0x800A0CC1,
              "Item cannot be found in the collection corresponding to the requested name or ordinal.");
}
inline AdoError objectClosed() {
  return code(0x800A0E78, "Operation is not allowed when the object is closed.");
}
inline AdoError objectOpen() { return code(0x800A0E79, "Operation is not allowed when the object is open."); }
inline AdoError providerNotFound() {
  return code(0x800A0E7A, "Provider cannot be found. It may not be properly installed.");
}
inline AdoError connectionUnusable() {
  return code(
      0x800A0E7D,
      "The connection cannot be used to perform this operation. It is either closed or invalid in this "
      "context.");
}
inline AdoError jet(std::string text) { return code(0x80004005, std::move(text)); }
inline AdoError syntax(std::string text) { return code(0x80040E14, std::move(text)); }
inline AdoError missingValue() {
  return code(0x80040E10, "No value given for one or more required parameters.");
}
inline AdoError typeMismatch() { return code(0x80040E07, "Data type mismatch in criteria expression."); }
inline AdoError unknownTable(const std::string& table) {
  return code(0x80040E37, "The Microsoft Jet database engine cannot find the input table or query '" + table +
                              "'.  Make sure it exists and that its name is spelled correctly.");
}

}  // namespace errors

}  // namespace adostandin
