#include "output_set.h"

#include <filesystem>
#include <fstream>

#include "build_error.h"

namespace fs = std::filesystem;

namespace {

std::string temporary_name(const std::string &path) {
    return path + ".partial";
}

bool write_file(const std::string &path, const Bytes &contents) {
    std::error_code ignored;
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty())
        fs::create_directories(parent, ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write((const char *)contents.data(), std::streamsize(contents.size()));
    out.close();
    return bool(out);
}

} // namespace

void OutputSet::add(const std::string &path, Bytes contents) {
    files.emplace_back(path, std::move(contents));
}

void OutputSet::write_all() {
    std::error_code ignored;
    for (size_t i = 0; i < files.size(); i++) {
        if (!write_file(temporary_name(files[i].first), files[i].second)) {
            for (size_t j = 0; j <= i; j++)
                fs::remove(temporary_name(files[j].first), ignored);
            throw BuildError(files[i].first, "cannot write file");
        }
    }
    for (const auto &[path, contents] : files) {
        std::error_code failed;
        fs::rename(temporary_name(path), path, failed);
        if (failed)
            throw BuildError(path, "cannot write file: " + failed.message());
    }
}
