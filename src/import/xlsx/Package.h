#pragma once
// The zip package of a workbook: its parts by name, each read as a stream in
// pieces. A part's sizes are checked before it is inflated and again while it
// is; only parts of up to 64 MiB are inflated whole into memory.

#include "import/ReadResult.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

struct zip;

namespace tarnby::xlsx {

struct Failure {
    ReadError error = ReadError::Damaged;
    QString detail;
};

class Package {
public:
    static constexpr std::uint64_t kMaxPartSize = std::uint64_t(1) << 30;
    static constexpr std::uint64_t kMaxRatio = 1000;

    Package() = default;
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    std::optional<Failure> openFile(const QString& path);
    // The bytes must outlive the package.
    std::optional<Failure> openBytes(const char* data, std::size_t size);

    // Whether the package holds a part of that name (without regard to case, as
    // part names are compared).
    bool has(const QString& name) const;

    // The part as a stream: `reader` gets a function that fills a buffer with
    // the part's next bytes and gives their count, 0 at the end and -1 when
    // the part turns out damaged; the reader returns false to stop with its
    // own failure. A missing part is Damaged.
    using Pull = std::function<long long(char* buffer, std::size_t capacity)>;
    using Reader = std::function<bool(const Pull& pull)>;
    std::optional<Failure> read(const QString& name, const Reader& reader) const;

private:
    std::optional<Failure> opened(int zipError);
    long long locate(const QString& name) const;

    struct zip* zip_ = nullptr;
};

// The part a relationship target names, resolved against the part that holds
// the relationship ("xl/workbook.xml" + "worksheets/sheet1.xml" gives
// "xl/worksheets/sheet1.xml"); empty when it leaves the package.
QString resolveTarget(const QString& sourcePart, const QString& target);

// The relationships part of a part ("xl/workbook.xml" gives "xl/_rels/workbook.xml.rels").
QString relationshipsOf(const QString& part);

} // namespace tarnby::xlsx
