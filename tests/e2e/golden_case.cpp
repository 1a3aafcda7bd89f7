#include "golden_case.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace golden {

namespace {

fs::path CasesDir() {
    std::string dir = ZENTREL_CASES_DIR;
#ifdef _WIN32
    // Wine sees the build machine's root as drive Z:.
    if (dir.starts_with('/'))
        dir = "Z:" + dir;
#endif
    return fs::path(dir);
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(path));
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

// Every regular file below `root`, by its path relative to it with '/' separators.
std::map<std::string, fs::path> FilesBelow(const fs::path& root) {
    std::map<std::string, fs::path> files;
    if (!fs::is_directory(root))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(root).generic_string()] = entry.path();
    }
    return files;
}

// Control characters shown, so that a line end that differs can be seen.
std::string Shown(const std::string& text) {
    Json quoted = text;
    return quoted.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    const auto at = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const std::size_t i = at.first - expected.begin();
    const std::size_t newline = i == 0 ? std::string::npos : expected.rfind('\n', i - 1);
    const std::size_t from = newline == std::string::npos ? 0 : newline + 1;
    const long line = std::count(expected.begin(), expected.begin() + from, '\n') + 1;
    return "line " + std::to_string(line) + ": expected " + Shown(expected.substr(from, 60)) +
           ", got " + Shown(actual.substr(from, 60));
}

std::string Localized(const std::string& text, const fs::path& work) {
    std::string generic = text;
    std::replace(generic.begin(), generic.end(), '\\', '/');
    const std::string prefix = work.generic_string();
    if (generic.size() >= prefix.size() && generic.compare(0, prefix.size(), prefix) == 0)
        return "$CASE" + generic.substr(prefix.size());
    return text;
}

}  // namespace

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(CasesDir())) {
        const std::string name = entry.path().filename().string();
        const fs::path styles = entry.path() / "line-ends";
        if (entry.is_directory() && !fs::exists(styles))
            names.push_back(name);
        else if (entry.is_directory())
            for (const std::string& style : ReadLines(styles))
                names.push_back(name + "/" + style);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string TestName(std::string name) {
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

Case LoadCase(const std::string& run) {
    Case c;
    const std::size_t slash = run.find('/');
    c.dir = CasesDir() / run.substr(0, slash);
    if (slash != std::string::npos) {
        static const std::map<std::string, std::string> kLineEnds = {
            {"lf", "\n"}, {"crlf", "\r\n"}, {"cr", "\r"}};
        const auto style = kLineEnds.find(run.substr(slash + 1));
        if (style == kLineEnds.end())
            throw std::runtime_error(run + ": line-ends lists a style other than lf, crlf, cr");
        c.lineEnd = style->second;
    }
    if (fs::exists(c.dir / "base"))
        for (const std::string& name : ReadLines(c.dir / "base")) {
            c.layers.push_back(CasesDir().parent_path() / "fixtures" / name);
            if (!fs::is_directory(c.layers.back()))
                throw std::runtime_error(run + ": no fixture " + name);
        }
    c.layers.push_back(c.dir / "before");
    c.steps = ReadLines(c.dir / "steps");
    c.hosts = fs::exists(c.dir / "hosts") ? ReadLines(c.dir / "hosts")
                                          : std::vector<std::string>{"posix", "windows"};
    if (fs::exists(c.dir / "state.json"))
        c.state = Json::parse(ReadFile(c.dir / "state.json"));
    if (fs::exists(c.dir / "exit"))
        c.exit = std::stoi(ReadFile(c.dir / "exit"));
    if (fs::exists(c.dir / "deleted"))
        c.deleted = ReadLines(c.dir / "deleted");
    if (fs::exists(c.dir / "stderr"))
        c.stderrFragments = ReadLines(c.dir / "stderr");
    const auto profile = std::find(c.steps.begin(), c.steps.end(), "--profile");
    if (profile != c.steps.end() && profile + 1 != c.steps.end())
        c.profile = *(profile + 1);
    return c;
}

bool Case::RunsOn(const std::string& host) const {
    return std::find(hosts.begin(), hosts.end(), host) != hosts.end();
}

std::map<std::string, fs::path> Case::BeforeFiles() const {
    std::map<std::string, fs::path> files;
    for (const fs::path& layer : layers)
        for (auto& [relative, path] : FilesBelow(layer))
            files[relative] = path;
    return files;
}

void Case::Prepare(const fs::path& work) const {
    fs::create_directories(work);
    for (const auto& [relative, path] : BeforeFiles()) {
        fs::create_directories((work / relative).parent_path());
        std::ofstream(work / relative, std::ios::binary) << Converted(ReadFile(path));
    }
}

std::string Case::Converted(const std::string& text) const {
    std::string out;
    for (char c : text)
        out += c == '\n' ? lineEnd : std::string(1, c);
    return out;
}

bool Case::IsIdeOwn(const std::string& relative) const {
    if (!profile)
        return false;
    const fs::path path(*profile), file(relative);
    const std::string stem = (path.parent_path() / path.stem()).generic_string();
    // A lock beside one of them is named after it with a leading dot.
    std::string name = file.filename().string();
    name = (file.parent_path() / (name.starts_with('.') ? name.substr(1) : name)).generic_string();
    return name.starts_with(path.generic_string()) || name.starts_with(stem + ".ide") ||
           name == stem + ".registry";
}

std::string Case::CompareFiles(const fs::path& work, bool profileIsFile) const {
    // A run that fails, and a dry run, write nothing at all, not even the IDE's own files.
    const bool ownIgnored =
        exit == 0 && std::find(steps.begin(), steps.end(), "--dry-run") == steps.end();
    struct Expected {
        fs::path path;
        bool fromAfter = false;
    };
    std::map<std::string, Expected> expected;
    for (const auto& [relative, path] : BeforeFiles()) {
        if (!ownIgnored || !IsIdeOwn(relative))
            expected[relative] = {path, false};
    }
    for (const auto& [relative, path] : FilesBelow(dir / "after")) {
        if (profileIsFile || !profile || relative != fs::path(*profile).generic_string())
            expected[relative] = {path, true};
    }
    for (const std::string& relative : deleted)
        expected.erase(relative);
    std::string out;
    for (const auto& [relative, path] : FilesBelow(work)) {
        const auto wanted = expected.find(relative);
        if (wanted == expected.end()) {
            if (!ownIgnored || !IsIdeOwn(relative))
                out += relative + ": not expected\n";
            continue;
        }
        const std::string want = Converted(ReadFile(wanted->second.path)), got = ReadFile(path);
        if (wanted->second.fromAfter && relative.ends_with(".json")) {
            out += CompareJson(Json::parse(want), Json::parse(got, nullptr, false), work, relative);
        } else if (want != got) {
            out += relative + ": " + FirstDifference(want, got) + "\n";
        }
        expected.erase(wanted);
    }
    for (const auto& [relative, entry] : expected)
        out += relative + ": missing\n";
    return out;
}

std::string CompareJson(const Json& expected, const Json& actual, const fs::path& work,
                        const std::string& where) {
    std::string out;
    if (expected.is_object() && actual.is_object()) {
        for (const auto& [key, value] : expected.items()) {
            if (!actual.contains(key))
                out += where + "/" + key + ": missing\n";
            else
                out += CompareJson(value, actual[key], work, where + "/" + key);
        }
        // Every key given: their order is part of what is expected.
        const auto keys = [](const Json& object) {
            std::vector<std::string> names;
            for (const auto& [key, value] : object.items())
                names.push_back(key);
            return names;
        };
        if (out.empty() && expected.size() == actual.size() && keys(expected) != keys(actual))
            out += (where.empty() ? "/" : where) + ": keys in another order\n";
    } else if (expected.is_array() && actual.is_array() && expected.size() == actual.size()) {
        for (std::size_t i = 0; i < expected.size(); ++i)
            out += CompareJson(expected[i], actual[i], work, where + "/" + std::to_string(i));
    } else if (expected.is_string() && actual.is_string()
                   ? expected.get<std::string>() != Localized(actual, work)
                   : expected != actual) {
        out += where + ": expected " + expected.dump() + ", got " +
               (actual.is_string() ? Json(Localized(actual, work)) : actual).dump() + "\n";
    }
    return out;
}

}  // namespace golden
