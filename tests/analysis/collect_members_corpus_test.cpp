// CollectMembers and the class scope finder over real code nobody here wrote, whole files
// and cut at arbitrary bytes: they end, and every record read has a name.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "analysis/class_scope.h"
#include "analysis/collect_members.h"

namespace analysis {
namespace {

namespace fs = std::filesystem;

struct CorpusFile {
    std::string name;
    std::string text;
    bool source;
};

std::vector<CorpusFile> ReadCorpus() {
    std::vector<CorpusFile> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(ZENTREL_CORPUS_DIR, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        std::ifstream in(it->path(), std::ios::binary);
        const std::string ext = it->path().extension().string();
        files.push_back({it->path().filename().string(),
                         std::string(std::istreambuf_iterator<char>(in), {}),
                         ext == ".c" || ext == ".cpp"});
    }
    return files;
}

// Collects and checks every record's name; gives how many were read.
std::size_t Collect(const CorpusFile& file, std::string_view text, std::string_view className,
                    std::string_view access, int line, int count, bool firstOnly) {
    MemberList members;
    CollectMembers(file.source, text, className, access, line, count, firstOnly, members);
    for (const auto& member : members)
        EXPECT_FALSE(member->Member.empty()) << file.name << " line " << line;
    return members.size();
}

TEST(CollectMembersCorpus, WholeFilesAndSlicesEndWithNamedRecords) {
    const std::vector<CorpusFile> files = ReadCorpus();
    if (files.empty())
        GTEST_SKIP() << "no corpus at " ZENTREL_CORPUS_DIR;
    std::mt19937 random(20261207);
    std::size_t records = 0;
    for (const CorpusFile& file : files) {
        SCOPED_TRACE(file.name);
        records += Collect(file, file.text, "", "", 0, INT_MAX, false);
        Collect(file, file.text, "CFoo", "public", 0, INT_MAX, false);

        // Slices start and end anywhere, even inside a comment, a word or a CR LF.
        for (std::size_t at = 0; at < file.text.size();) {
            const std::size_t length = 1 + random() % 65536;
            const std::string_view slice = std::string_view(file.text).substr(at, length);
            at += length;
            const int lines = static_cast<int>(std::count(slice.begin(), slice.end(), '\n'));
            records += Collect(file, slice, "", "", 0, INT_MAX, false);
            Collect(file, slice, "", "", lines / 2, lines, false);
            // What Friend Member does at a caret on a few of its lines.
            for (int i = 0; i < 3; ++i) {
                const int line = static_cast<int>(random() % (lines + 2));
                std::string className;
                std::string access;
                FindClassScope(slice, line, className, access);
                Collect(file, slice, className, access, line, 1, true);
                FindDefinitionClass(slice, line, className);
            }
        }
    }
    // Real code holds declarations (a body is passed over whole, so a file wrapped in
    // extern "C" { } gives few): a collector that reads almost none is broken.
    EXPECT_GT(records, 5000u);
}

}  // namespace
}  // namespace analysis
