#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>

#ifdef __linux__
#include <sched.h>
#endif

#include "common/pending_files.h"
#include "common/platform.h"
#include "common/system_message.h"
#include "common/textfile.h"
#include "common/textfile_batch.h"
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

// Without a byte-order mark, text that is valid UTF-8 and holds non-ASCII bytes (as Linux
// editors save) is UTF-8; anything else is Windows-1252, a stray byte or a broken, overlong or
// surrogate sequence included.
TEST(TextFiles, Utf8WithoutByteOrderMark) {
    struct Row {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    for (const Row& r : {Row{"utf8", "Demanda di\xC3\xA1ria\r\n\xE2\x82\xAC 5", {"Demanda diária", "€ 5"}},
                         Row{"fourBytes", "\xF0\x9F\x98\x80", {"\xF0\x9F\x98\x80"}},
                         Row{"ascii", "abc", {"abc"}}, Row{"cp1252", "Demanda di\xE1ria", {"Demanda diária"}},
                         Row{"truncated", "di\xC3", {"diÃ"}}, Row{"overlong", "\xC0\xAF", {"À¯"}},
                         Row{"surrogate", "\xED\xA0\x80", {"\xC3\xAD\xC2\xA0\xE2\x82\xAC"}},
                         Row{"utf8ThenStrayByte", "\xC3\xA1 \xE1", {"\xC3\x83\xC2\xA1 \xC3\xA1"}}}) {
        EXPECT_EQ(decodeTextLines(r.bytes), r.lines) << r.name;
    }
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
// The names of a folder's entries with their bytes ("<pasta>" for a folder).
std::map<std::string, std::string> entries(const std::string& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        out[e.path().filename().string()] = e.is_directory() ? "<pasta>" : TempDir::read(e.path().string());
    return out;
}

// A batch's files appear only at its commit, only those it names, each replacing what stood
// under its name; two batches in one folder at once keep apart; a batch dropped without
// commit leaves the folder as it was. No temporary folder stays behind.
TEST(FileBatches, FilesAppearTogetherAtTheCommit) {
    TempDir dir;
    const std::string pasta = dir.file("");
    dir.write("1.csv", "antigo\r\n");
    {
        FileBatch lote(pasta), outro(pasta);
        lote.writeLines("1.csv", {"Área;1"});
        lote.writeLines("2.csv", {"dois"});
        lote.write("3.csv", "parado");
        outro.write("1.csv", "do outro");
        EXPECT_EQ(TempDir::read(dir.file("1.csv")), "antigo\r\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("2.csv")));
        lote.commit({"1.csv", "2.csv"});
    }
    EXPECT_EQ(entries(pasta),
              (std::map<std::string, std::string>{{"1.csv", "\xC1rea;1\r\n"}, {"2.csv", "dois\r\n"}}));
}

// Temporary files under way are removed when a signal ends the program: those noted now (an
// accented name among them), not one whose writer has finished, and a path too long to note or
// a ninth at once is simply not noted.
TEST(PendingTempFiles, RemovedWhileNotedOnly) {
    TempDir dir;
    const std::string finished = dir.write("terminado.tmp", "x");
    { const PendingTempFile done(finished); }
    std::vector<std::string> paths;
    std::vector<std::unique_ptr<PendingTempFile>> noted;
    for (int i = 0; i < 9; ++i) {
        paths.push_back(dir.write("simulação-" + std::to_string(i) + ".csv.tmp", "x"));
        noted.push_back(std::make_unique<PendingTempFile>(paths.back()));
    }
    const PendingTempFile tooLong(dir.file(std::string(5000, 'a')));
    removePendingTempFiles();
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(std::filesystem::exists(pathFromUtf8(paths[i]))) << i;
    EXPECT_TRUE(std::filesystem::exists(pathFromUtf8(paths[8])));
    EXPECT_TRUE(std::filesystem::exists(pathFromUtf8(finished)));
    // A slot freed is taken again.
    noted.clear();
    const std::string again = dir.write("de-novo.tmp", "x");
    {
        const PendingTempFile later(again);
        removePendingTempFiles();
    }
    EXPECT_FALSE(std::filesystem::exists(pathFromUtf8(again)));
}

#ifdef __linux__
// The default --jobs follows the cores a scheduler lets the process use, not the machine's.
TEST(Platform, UsableCoresFollowTheAffinity) {
    cpu_set_t before;
    ASSERT_EQ(sched_getaffinity(0, sizeof before, &before), 0);
    EXPECT_EQ(usableCores(), CPU_COUNT(&before));
    int first = 0;
    while (!CPU_ISSET(first, &before)) ++first;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    EXPECT_EQ(usableCores(), 1);
    ASSERT_EQ(sched_setaffinity(0, sizeof before, &before), 0);
}
#endif

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
