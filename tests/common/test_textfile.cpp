#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "common/platform.h"
#include "common/system_message.h"
#include "common/textfile.h"
#include "tests/support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TextFiles, LineBreaks) {
    struct Row {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    for (const Row& r :
         {Row{"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}}, Row{"finalBreakAddsNoLine", "a\r\n", {"a"}},
          Row{"furtherEmptyLinesCount", "a\r\n\r\n\r\n", {"a", "", ""}}, Row{"empty", "", {}},
          Row{"onlyABreak", "\n", {""}}}) {
        EXPECT_EQ(decodeTextLines(r.bytes), r.lines) << r.name;
    }
}

TEST(TextFiles, EncodingsByByteOrderMark) {
    EXPECT_EQ(decodeTextLines("S\xE3o Jo\xE3o"), Lines{"São João"});     // Windows-1252
    EXPECT_EQ(decodeTextLines("\xEF\xBB\xBFS\xC3\xA3o"), Lines{"São"});  // UTF-8 BOM
    EXPECT_EQ(decodeTextLines(std::string("\xFF\xFE"
                                          "1\0,\0"
                                          "5\0\n\0"
                                          "2\0",
                                          12)),
              (Lines{"1,5", "2"}));
    EXPECT_EQ(decodeTextLines(std::string("\xFE\xFF\0\xE3\0\r\0\n", 8)), Lines{"ã"});
    EXPECT_EQ(decodeTextLines("\x80 \x93x\x94"), Lines{"€ “x”"});
}

// Files from elsewhere: UTF-8 without a byte-order mark is read as UTF-8 when the bytes are UTF-8
// throughout; anything else (a Latin-1 letter, a truncated or overlong sequence) as Windows-1252.
TEST(TextFiles, AnyEncodingTakesUtf8WithoutAMark) {
    struct Row {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    for (const Row& r :
         {Row{"utf8", "S\xC3\xA3o Jo\xC3\xA3o", {"São João"}},
          Row{"utf8 with its mark", "\xEF\xBB\xBFS\xC3\xA3o", {"São"}},
          Row{"windows-1252", "S\xE3o\r\nJo\xE3o", {"São", "João"}}, Row{"truncated sequence", "\xC3", {"Ã"}},
          Row{"overlong slash", "\xE0\x80\xAF", {"à€¯"}}, Row{"ascii", "a;b\n", {"a;b"}}}) {
        EXPECT_EQ(decodeTextLinesAnyEncoding(r.bytes), r.lines) << r.name;
    }
    EXPECT_EQ(decodeTextLines("S\xC3\xA3o"), Lines{"SÃ£o"});  // the program's own files keep their rule
}

TEST(TextFiles, WritesWindows1252WithCrLf) {
    TempDir dir;
    const std::string p = dir.file("out.csv");
    writeTextLines(p, {"Área de captação (m²);100", "€ ✓", ""});
    EXPECT_EQ(TempDir::read(p), "\xC1rea de capta\xE7\xE3o (m\xB2);100\r\n\x80 ?\r\n\r\n");
    EXPECT_EQ(readTextLines(p), (Lines{"Área de captação (m²);100", "€ ?", ""}));
}

TEST(TextFiles, FailedWriteKeepsTheFileThatWasThere) {
    TempDir dir;
    const std::string p = dir.write("sim.csv", "old contents\r\n");
    // The save goes through a file beside the target; a folder in its place makes it fail.
    std::filesystem::create_directory(p + ".tmp-" + std::to_string(processNumber()));
    EXPECT_THROW(writeTextLines(p, {"new"}), FileError);
    EXPECT_EQ(TempDir::read(p), "old contents\r\n");
    EXPECT_THROW(writeTextLines(dir.file("no/such/folder/x.csv"), {"x"}), FileError);
}

// Paths are UTF-8 texts on every system; Windows gets them as UTF-16, so letters outside its
// 8-bit code page (Ł, ź) name files as well as "ç" does.
TEST(TextFiles, PathsWithAccentsAndLettersOfOtherAlphabets) {
    struct Row {
        const char* name;
        std::string path, parent, file;
    };
    for (const Row& r : {Row{"ascii", "dados/chuva.txt", "dados", "chuva.txt"},
                         Row{"portuguese", "ação/simulação.csv", "ação", "simulação.csv"},
                         Row{"polish", "Łódź/opady-źródło.txt", "Łódź", "opady-źródło.txt"}}) {
        const std::filesystem::path p = pathFromUtf8(r.path);
        EXPECT_EQ(utf8FromPath(p), r.path) << r.name;
        EXPECT_EQ(utf8FromPath(p.parent_path()), r.parent) << r.name;
        EXPECT_EQ(utf8FromPath(p.filename()), r.file) << r.name;
    }
    TempDir dir;
    const std::string folder = dir.file("Łódź ação");
    std::filesystem::create_directory(pathFromUtf8(folder));
    const std::string p = folder + "/simulação-źródło.csv";
    writeTextLines(p, {"antigo"});
    writeTextLines(p, {"novo"});  // renamed over the file already there
    EXPECT_EQ(readTextLines(p), Lines{"novo"});
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(pathFromUtf8(folder)))
        names.push_back(utf8FromPath(entry.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{"simulação-źródło.csv"});  // nothing left beside it
}

TEST(TextFiles, MissingFileIsAnError) {
    TempDir dir;
    try {
        readTextLines(dir.file("missing.txt"));
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível abrir o arquivo \"" + dir.file("missing.txt") +
                                             "\": arquivo ou pasta inexistente.");
    }
}

// The system's reasons read in Portuguese on a machine without Portuguese system messages
// (the tests run in the C locale, as Windows always does), from errno and from std::filesystem.
TEST(TextFiles, SystemReasonsInPortuguese) {
    EXPECT_EQ(systemMessage(ENOENT), "arquivo ou pasta inexistente");
    EXPECT_EQ(systemMessage(EACCES), "permissão negada");
    EXPECT_EQ(systemMessage(ENOSPC), "não há espaço livre no disco");
    EXPECT_EQ(systemMessage(EFBIG), "o arquivo ficaria grande demais");
    EXPECT_EQ(systemMessage(std::make_error_code(std::errc::read_only_file_system)),
              "o disco ou a pasta é somente para leitura");
    TempDir dir;
    std::error_code ec;
    std::filesystem::create_directory(dir.file("falta/pasta"), ec);
    EXPECT_EQ(systemMessage(ec), "arquivo ou pasta inexistente");
    // A reason without a text of the program's own keeps the system's, never an empty one.
    EXPECT_FALSE(systemMessage(EPIPE).empty());
}

}  // namespace
