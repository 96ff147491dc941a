#pragma once
// Text files of the program. Inside the program text is UTF-8; on disk it is the system's
// 8-bit code page (Windows-1252, what Portuguese-language Windows machines write), unless
// a file opens with a UTF-8 or UTF-16 byte-order mark, or is whole UTF-8 with non-ASCII
// letters (as editors on Linux save it, without a mark).

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The lines of a text file, as UTF-8. Lines end at CR LF, LF or CR; a line break after the
// last line adds no line, every further empty line does. Throws FileError when the file
// cannot be opened or read.
std::vector<std::string> readTextLines(const std::string& path);
// The same for text already in memory (bytes as they would be on disk).
std::vector<std::string> decodeTextLines(std::string_view bytes);
// Text already decoded, cut into lines by the same rule.
std::vector<std::string> splitLines(std::string_view text);

// The bytes of a file as they are on disk. Throws FileError when it cannot be opened or read.
std::string readFileBytes(const std::string& path);

// The fields of one ';'-separated line, as views into it; a line without ';' is one field.
std::vector<std::string_view> splitFields(std::string_view line);

// Writes the bytes under `path` in one go: into a file beside the target, then renamed over
// it, so a failure (a full disk, a folder that refuses the file, a folder or a device under the
// name, a missing folder) leaves what stood under the name as it was and no file beside it.
// Every file the program writes goes through here. Throws FileError naming the path and why.
void writeFileBytes(const std::string& path, std::string_view bytes);

// The bytes writeTextLines puts on disk for the lines.
std::string encodeTextLines(const std::vector<std::string>& lines);

// The two steps of writeFileBytes before the rename, for a writer that puts several files in
// place together (common/textfile_batch.h). checkWriteTarget refuses a name that cannot take a
// file; writeWholeFile writes the bytes into `temp`, flushed by `flush` (flushToDisk,
// flushBatchFile), and removes it again on failure. Both throw FileError naming `path`.
void checkWriteTarget(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& temp, std::string_view bytes,
                    bool (*flush)(std::FILE*));

// Writes the lines in one go: Windows-1252, each line ended by CR LF, no byte-order mark.
// Characters the code page lacks become "?". The file is written beside the target and then
// renamed over it (writeFileBytes), so a failed write never destroys the file that was there.
// Throws FileError naming the path when the file cannot be written.
void writeTextLines(const std::string& path, const std::vector<std::string>& lines);

// Code page conversions.
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);
