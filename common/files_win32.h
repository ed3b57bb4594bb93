#pragma once
// Whole-file reads and writes on wide paths.
#include <optional>
#include <string>

namespace common {

bool fileExists(const std::wstring& path);
std::optional<std::string> readWholeFile(const std::wstring& path);
// Writes the bytes to a file beside the target and then puts it in the target's
// place in one step, so that a failed write leaves the previous file whole.
bool replaceFileContents(const std::wstring& path, const std::string& bytes);
// Creates or truncates the file and writes the bytes.
bool writeWholeFile(const std::wstring& path, const std::string& bytes);
bool deleteFileIfPresent(const std::wstring& path);

}  // namespace common
