#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

struct mschm_decompressor;
struct mschmd_file;
struct mschmd_header;
struct mspack_system;

namespace spindora {

// libmspack's reader of compiled help files, loaded when the program starts rather than
// linked, so that the game builds and runs on a machine without it and only the help button
// notices.
class ChmLibrary {
public:
    static constexpr const char* kDefaultName = "libmspack.so.0";

    // Loads the library by name or path; a failure leaves it absent and keeps the reason.
    explicit ChmLibrary(const QString& nameOrPath = QLatin1String(kDefaultName));
    ~ChmLibrary();
    ChmLibrary(const ChmLibrary&) = delete;
    ChmLibrary& operator=(const ChmLibrary&) = delete;

    // The one copy the game uses, loaded on first use.
    static ChmLibrary& Shared();

    bool Present() const { return handle_ != nullptr; }
    const QString& Name() const { return name_; }
    const QString& Failure() const { return failure_; }
    // The loaded file's version as four dot-separated numbers, from the numbers that end its
    // real file name (libmspack.so.0.1.0 gives "0.1.0.0"); empty when absent.
    const QString& Version() const { return version_; }

    class File;
    // Opens a compiled help file; nullptr when the library is absent or the file unusable.
    std::unique_ptr<File> Open(const QString& path) const;

private:
    friend class File;
    void* handle_ = nullptr;
    QString name_, failure_, version_;
    mschm_decompressor* (*create_)(mspack_system*) = nullptr;
    void (*destroy_)(mschm_decompressor*) = nullptr;
};

// An open compiled help file, read through the descriptor that was checked when it opened.
class ChmLibrary::File {
public:
    struct Source;  // the library's view of the file: the checked descriptor, and where a read goes
    File(const ChmLibrary& library, std::unique_ptr<Source> source);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool Opened() const { return header_ != nullptr; }
    bool Contains(const QString& path) const;
    // The names of the content objects, as the file spells them ("/en/index.html").
    QStringList Names() const;
    // The object's bytes; empty when there is no such object or it does not unpack whole.
    QByteArray Read(const QString& path) const;

private:
    mschmd_file* Find(const QString& path) const;

    const ChmLibrary& library_;
    std::unique_ptr<Source> source_;
    mschm_decompressor* directory_ = nullptr;  // finds objects; never unpacks any
    mschmd_header* header_ = nullptr;
    QHash<QString, mschmd_file*> index_;  // by case-folded name
};

// Turns a version file name's trailing numbers into four dot-separated numbers.
QString VersionFromFileName(const QString& fileName);

}  // namespace spindora
