#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

namespace spindora {

// chmlib, loaded when the program starts rather than linked, so that the game builds and
// runs on a machine without it and only the help button notices.
class ChmLibrary {
public:
    static constexpr const char* kDefaultName = "libchm.so.1";

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
    // real file name (libchm.so.1.0.0 gives "1.0.0.0"); empty when absent.
    const QString& Version() const { return version_; }

    struct Entry;  // one object inside an open file
    class File;
    // Opens a compiled help file; nullptr when the library is absent or the file unusable.
    std::unique_ptr<File> Open(const QString& path) const;

private:
    friend class File;
    void* handle_ = nullptr;
    QString name_, failure_, version_;
    void* (*open_)(const char*) = nullptr;
    void (*close_)(void*) = nullptr;
    int (*resolve_)(void*, const char*, void*) = nullptr;
    long long (*retrieve_)(void*, void*, unsigned char*, unsigned long long, long long) = nullptr;
};

// An open compiled help file.
class ChmLibrary::File {
public:
    File(const ChmLibrary& library, void* handle) : library_(library), handle_(handle) {}
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool Contains(const QString& path) const;
    // The object's bytes; empty when there is no such object.
    QByteArray Read(const QString& path) const;

private:
    const ChmLibrary& library_;
    void* handle_;
};

// Turns a version file name's trailing numbers into four dot-separated numbers.
QString VersionFromFileName(const QString& fileName);

}  // namespace spindora
