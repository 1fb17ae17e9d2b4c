#include "engine/ErrorClasses.h"

#include "engine/VifBits.h"

namespace {

struct ErrorClass {
    DWORD code;
    bool readError;
    DWORD onDelete; // 0: the delete's failure does not stop the copy
    DWORD onCopy;
};

const ErrorClass kErrorClasses[] = {
    {ERROR_FILE_NOT_FOUND, true, 0, VIF_CANNOTREADSRC},
    {ERROR_PATH_NOT_FOUND, true, VIF_CANNOTDELETE, VIF_CANNOTCREATE},
    {ERROR_TOO_MANY_OPEN_FILES, true, VIF_CANNOTDELETE, VIF_CANNOTCREATE},
    {ERROR_ACCESS_DENIED, true, kVifDeleteDenied, VIF_ACCESSVIOLATION},
    {ERROR_OUTOFMEMORY, true, VIF_CANNOTDELETE, VIF_CANNOTCREATE},
    {ERROR_NO_MORE_FILES, true, VIF_CANNOTDELETE, VIF_CANNOTCREATE},
    {ERROR_SHARING_VIOLATION, true, VIF_CANNOTDELETE, VIF_FILEINUSE | VIF_SHARINGVIOLATION},
    {ERROR_NETWORK_BUSY, true, VIF_CANNOTDELETE, VIF_CANNOTCREATE},
    // A full volume: placement says so once and goes on to the next file.
    {ERROR_DISK_FULL, false, 0, VIF_OUTOFSPACE},
    {ERROR_HANDLE_DISK_FULL, false, 0, VIF_OUTOFSPACE},
};
const ErrorClass kAnyOtherCode = {0, false, 0, VIF_CANNOTCREATE};

const ErrorClass& ClassOf(DWORD error)
{
    for (const ErrorClass& c : kErrorClasses)
        if (c.code == error)
            return c;
    return kAnyOtherCode;
}

} // namespace

bool IsReadError(DWORD error)
{
    return ClassOf(error).readError;
}

DWORD DeleteRefusal(DWORD error, bool attributesRead, DWORD attributes)
{
    if (error == ERROR_FILE_NOT_FOUND)
        return 0;
    if (attributesRead && (attributes & FILE_ATTRIBUTE_SYSTEM))
        return VIF_FILEINUSE;
    return ClassOf(error).onDelete;
}

DWORD CopyFailure(DWORD error)
{
    return ClassOf(error).onCopy;
}
