#include "common/textfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "common/pending_files.h"
#include "common/platform.h"
#include "common/system_message.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the others of 0xA0..0xFF are the Latin-1 code points.
// 0 marks the five bytes the code page leaves undefined (they decode to the same C1 code point).
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Next code point of UTF-8 text; an invalid byte stands for itself as Windows-1252.
char32_t nextUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](std::size_t k) {
        return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
    };
    auto byte = [&](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(s[i + k]) & 0x3F);
    };
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0 && b0 >= 0xC2 && cont(1)) {
        const char32_t cp = (static_cast<char32_t>(b0 & 0x1F) << 6) | byte(1);
        i += 2;
        return cp;
    }
    if ((b0 & 0xF0) == 0xE0 && cont(1) && cont(2)) {
        const char32_t cp = (static_cast<char32_t>(b0 & 0x0F) << 12) | (byte(1) << 6) | byte(2);
        i += 3;
        if (cp >= 0x800) return cp;
        return 0xFFFD;
    }
    if ((b0 & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
        const char32_t cp =
            (static_cast<char32_t>(b0 & 0x07) << 18) | (byte(1) << 12) | (byte(2) << 6) | byte(3);
        i += 4;
        if (cp >= 0x10000 && cp <= 0x10FFFF) return cp;
        return 0xFFFD;
    }
    ++i;
    return b0 >= 0xA0 ? b0 : (kHigh[b0 - 0x80] ? kHigh[b0 - 0x80] : b0);
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (static_cast<char32_t>(a) << 8 | b) : (static_cast<char32_t>(b) << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t lo = unit(i + 2);
            if (lo >= 0xDC00 && lo < 0xE000) {
                u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
                i += 2;
            } else {
                u = 0xFFFD;
            }
        } else if (u >= 0xD800 && u < 0xE000) {
            u = 0xFFFD;
        }
        appendUtf8(out, u);
    }
    return out;
}

// Text that is whole UTF-8 (no overlong form, surrogate or code point past U+10FFFF) and holds
// at least one non-ASCII byte: what editors that write UTF-8 without a byte-order mark save.
// Windows-1252 text of Portuguese words never is (an accented letter is one byte followed by
// ASCII), so such text is read as UTF-8 and everything else as Windows-1252.
bool isNonAsciiUtf8(std::string_view s) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        const std::size_t len = b0 >= 0xC2 && b0 <= 0xDF   ? 2
                                : b0 >= 0xE0 && b0 <= 0xEF ? 3
                                : b0 >= 0xF0 && b0 <= 0xF4 ? 4
                                                           : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        const auto b1 = static_cast<unsigned char>(s[i + 1]);
        if ((b0 == 0xE0 && b1 < 0xA0) || (b0 == 0xED && b1 >= 0xA0) || (b0 == 0xF0 && b1 < 0x90) ||
            (b0 == 0xF4 && b1 >= 0x90))
            return false;  // overlong, surrogate or past U+10FFFF
        i += len;
    }
    return nonAscii;
}

}  // namespace

// A name that cannot take a file is refused before anything is written beside it: a folder
// (the rename would fail anyway, less clearly), a device or pipe (the rename would replace it)
// and a name whose folder is missing or is not a folder.
void checkWriteTarget(const std::string& path) {
    namespace fs = std::filesystem;
    auto refuse = [&](const std::string& why) {
        throw FileError("Não foi possível gravar o arquivo \"" + path + "\": " + why + ".");
    };
    std::error_code ec;
    const fs::path target = pathFromUtf8(path);
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) refuse("é uma pasta");
    if (fs::exists(status) && !fs::is_regular_file(status)) refuse("não é um arquivo comum");
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const std::string shown = utf8FromPath(folder);
    // A folder that cannot be looked at (no permission) is left to the write, which says why.
    const fs::file_status parent = fs::status(folder, ec);
    if (parent.type() == fs::file_type::not_found) refuse("a pasta \"" + shown + "\" não existe");
    if (fs::exists(parent) && !fs::is_directory(parent)) refuse("\"" + shown + "\" não é uma pasta");
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80 || b >= 0xA0) {
            appendUtf8(out, b);
        } else {
            appendUtf8(out, kHigh[b - 0x80] ? kHigh[b - 0x80] : b);
        }
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextUtf8(utf8, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] == cp && cp != 0) mapped = static_cast<char>(0x80 + k);
        }
        out += mapped;
    }
    return out;
}

std::vector<std::string> decodeTextLines(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return splitLines(bytes.substr(3));
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE")
        return splitLines(utf16ToUtf8(bytes.substr(2), false));
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF")
        return splitLines(utf16ToUtf8(bytes.substr(2), true));
    if (isNonAsciiUtf8(bytes)) return splitLines(bytes);
    return splitLines(cp1252ToUtf8(bytes));
}

std::vector<std::string> readTextLines(const std::string& path) {
    return decodeTextLines(readFileBytes(path));
}

std::string readFileBytes(const std::string& path) {
    std::FILE* f = openFile(path, "rb");
    if (!f) {
        throw FileError("Não foi possível abrir o arquivo \"" + path + "\": " + systemMessage(errno) + ".");
    }
    std::string bytes;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    // A folder opens like a file but cannot be read: that is an error, not an empty file.
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed) {
        throw FileError("Não foi possível ler o arquivo \"" + path + "\": " + systemMessage(err) + ".");
    }
    return bytes;
}

void writeWholeFile(const std::string& path, const std::string& temp, std::string_view bytes,
                    bool (*flush)(std::FILE*)) {
    auto fail = [&](const std::string& what, int err) {
        removeFile(temp);
        throw FileError("Não foi possível gravar o arquivo \"" + path + "\" (" + what +
                        "): " + systemMessage(err) + ".");
    };
    std::FILE* f = openFile(temp, "wb");
    if (!f) fail("criação", errno);
    // The bytes are in memory already: one write of them all, not a buffer's worth at a time.
    std::setvbuf(f, nullptr, _IONBF, 0);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int writeErr = errno;
    const bool flushed = flush(f);
    const int flushErr = errno;
    const bool closed = std::fclose(f) == 0;
    const int closeErr = errno;
    if (!written || !flushed || !closed)
        fail("escrita", !written ? writeErr : !flushed ? flushErr : closeErr);
}

void writeFileBytes(const std::string& path, std::string_view bytes) {
    checkWriteTarget(path);
    const std::string temp = path + ".tmp-" + std::to_string(processNumber());
    const PendingTempFile pending(temp);
    writeWholeFile(path, temp, bytes, flushToDisk);
    if (!replaceFile(temp, path)) {
        const int err = errno;
        removeFile(temp);
        throw FileError("Não foi possível gravar o arquivo \"" + path +
                        "\" (substituição): " + systemMessage(err) + ".");
    }
}

std::string encodeTextLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        // Most lines are ASCII (numbers and ';'), the same bytes in both encodings.
        const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; });
        if (ascii) {
            bytes += line;
        } else {
            bytes += utf8ToCp1252(line);
        }
        bytes += "\r\n";
    }
    return bytes;
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    writeFileBytes(path, encodeTextLines(lines));
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = line.find(';', start);
        if (pos == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, pos - start));
        start = pos + 1;
    }
}
