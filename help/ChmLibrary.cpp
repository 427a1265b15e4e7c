#include "help/ChmLibrary.h"

#include <dlfcn.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <cstdint>
#include <link.h>

#include "files/ForeignFile.h"

namespace spindora {

// chmlib's struct chmUnitInfo, written out so that the build needs no chmlib headers.
struct ChmLibrary::Entry {
    uint64_t start = 0;
    uint64_t length = 0;
    int space = 0;
    int flags = 0;
    char path[513] = {};
};

namespace {

constexpr int kResolveSuccess = 0;

template <typename Fn>
bool Bind(void* handle, const char* symbol, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(handle, symbol));
    return fn != nullptr;
}

}  // namespace

QString VersionFromFileName(const QString& fileName) {
    static const QRegularExpression trailing(QStringLiteral("((?:\\.\\d+)+)$"));
    const auto match = trailing.match(fileName);
    QStringList parts = match.hasMatch() ? match.captured(1).mid(1).split(QLatin1Char('.'))
                                         : QStringList();
    while (parts.size() < 4) parts << QStringLiteral("0");
    return parts.mid(0, 4).join(QLatin1Char('.'));
}

ChmLibrary::ChmLibrary(const QString& nameOrPath) : name_(nameOrPath) {
    handle_ = dlopen(nameOrPath.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        failure_ = QString::fromLocal8Bit(dlerror());
        return;
    }
    if (!Bind(handle_, "chm_open", open_) || !Bind(handle_, "chm_close", close_) ||
        !Bind(handle_, "chm_resolve_object", resolve_) ||
        !Bind(handle_, "chm_retrieve_object", retrieve_)) {
        failure_ = QStringLiteral("%1 lacks the chmlib functions").arg(nameOrPath);
        dlclose(handle_);
        handle_ = nullptr;
        return;
    }
    link_map* map = nullptr;
    if (dlinfo(handle_, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name)
        version_ = VersionFromFileName(QFileInfo(QString::fromLocal8Bit(map->l_name)).canonicalFilePath());
}

ChmLibrary::~ChmLibrary() {
    if (handle_) dlclose(handle_);
}

ChmLibrary& ChmLibrary::Shared() {
    static ChmLibrary library;
    return library;
}

std::unique_ptr<ChmLibrary::File> ChmLibrary::Open(const QString& path) const {
    if (!handle_) return nullptr;
    // chmlib opens by name and would wait forever on a FIFO or read a device without end:
    // only a regular file of a sane size is handed on, as the very file that was checked
    // where the system lets it be named by its descriptor.
    const OpenedFile checked = OpenForeignFile(path, FileKind::Help);
    if (checked.check != FileCheck::Regular) return nullptr;
    const QString byDescriptor = QStringLiteral("/proc/self/fd/%1").arg(checked.file.Fd());
    void* file = open_(QFile::encodeName(QFileInfo::exists(byDescriptor) ? byDescriptor : path).constData());
    if (!file) return nullptr;
    return std::make_unique<File>(*this, file);
}

ChmLibrary::File::~File() { library_.close_(handle_); }

bool ChmLibrary::File::Contains(const QString& path) const {
    Entry entry;
    return library_.resolve_(handle_, path.toUtf8().constData(), &entry) == kResolveSuccess;
}

QByteArray ChmLibrary::File::Read(const QString& path) const {
    Entry entry;
    if (library_.resolve_(handle_, path.toUtf8().constData(), &entry) != kResolveSuccess) return {};
    // A damaged file may announce any length; nothing in a help file comes near this.
    constexpr uint64_t kLargest = 64u << 20;
    if (entry.length == 0 || entry.length > kLargest) return {};
    QByteArray bytes(static_cast<qsizetype>(entry.length), Qt::Uninitialized);
    const long long got = library_.retrieve_(handle_, &entry,
                                             reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                             static_cast<long long>(entry.length));
    if (got <= 0) return {};
    bytes.resize(static_cast<qsizetype>(got));
    return bytes;
}

}  // namespace spindora
