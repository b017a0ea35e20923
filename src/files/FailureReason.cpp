#include "FailureReason.h"

#include <array>
#include <cerrno>

namespace MainBas {

namespace {

struct KnownReason
{
    int error;
    const char *reason;
};

// The failures a user can do something about, said so that they know what. Where a
// file cannot be written for want of permission, the checks before writing have
// already named a read-only file, so what is left is its folder.
constexpr std::array KnownReasons = {
    KnownReason {ENOSPC, "no space is left on the device"},
    KnownReason {EDQUOT, "your disk quota is used up"},
    KnownReason {EFBIG, "the file would be larger than the file system allows"},
    KnownReason {EROFS, "the file system is read-only"},
    KnownReason {EACCES, "the folder is read-only"},
    KnownReason {EPERM, "you are not allowed to write there"},
    KnownReason {ENOENT, "the folder does not exist"},
    KnownReason {ENOTDIR, "a part of the path is not a folder"},
    KnownReason {EISDIR, "it is a folder"},
    KnownReason {ENAMETOOLONG, "the name is too long"},
    KnownReason {ELOOP, "it is a link that leads round in a circle"},
    KnownReason {EIO, "the device reported an input/output error"},
    KnownReason {ENOMEM, "there is not enough memory"},
    KnownReason {EMFILE, "too many files are open"},
    KnownReason {ENFILE, "too many files are open"},
    KnownReason {EBUSY, "the file is in use"},
    KnownReason {ETXTBSY, "the file is in use"},
};

} // namespace

QString FailureReason(int systemError)
{
    for (const KnownReason &known : KnownReasons) {
        if (known.error == systemError)
            return QLatin1String(known.reason);
    }
    // The system's own words for the rest, in the same form as ours.
    QString reason = qt_error_string(systemError);
    if (reason.isEmpty())
        return QStringLiteral("the system reported error %1").arg(systemError);
    reason[0] = reason[0].toLower();
    return reason;
}

} // namespace MainBas
