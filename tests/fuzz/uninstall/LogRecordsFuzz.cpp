// libFuzzer target: any bytes as an uninstall log, read and taken apart as the uninstaller does,
// and as a Program Manager group description. Sanitizers catch reads past a line; the checks
// below catch a list that does not hold the file's lines.
#include "portable/GroupDescription.h"
#include "portable/LogRecords.h"
#include "portable/RecordKinds.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

static void Check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

static void TakeApart(const char* line)
{
    const char* data = nullptr;
    RecordKind kind = ClassifyRecord(line, &data);
    if (kind == RecordKind::None)
        return;
    Check(data >= line && data <= line + std::strlen(line));
    switch (kind) {
    case RecordKind::File:
        if (const char* path = FileRecordPath(data))
            Check(path == data + 4 && data[0] == '0' && data[2] == '0');
        break;
    case RecordKind::Key: {
        KeyRecord key;
        if (SplitKeyRecord(data, &key)) {
            std::size_t parent = std::strlen(key.parent);
            Check(parent > 0 && key.parent[parent - 1] == '\\' && key.name[0] != '\0');
            Check(parent + std::strlen(key.name) < kKeyPathSize);
        }
        break;
    }
    case RecordKind::Pmngr: {
        char group[kLogLineSize];
        const char* item;
        if (SplitProgmanRecord(data, group, &item))
            Check(item[-1] == '@' && std::strchr(group, '@') == nullptr);
        break;
    }
    default:
        break;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    std::string text(reinterpret_cast<const char*>(bytes), size);
    GroupDescriptionSaysEmpty(text.c_str());

    std::FILE* log = fmemopen(const_cast<uint8_t*>(bytes), size, "rb");
    if (!log)
        return 0;
    char name[kLogLineSize];
    ReadProductName(log, name);
    Check(std::strlen(name) < kLogLineSize && !std::strchr(name, '\n'));
    LogRecord* head = nullptr;
    Check(LoadRecords(log, &head));
    for (const LogRecord* record = head; record; record = record->next) {
        Check(std::strlen(record->text) < kLogLineSize && !std::strchr(record->text, '\n'));
        TakeApart(record->text);
    }
    FreeRecords(head);
    std::fclose(log);
    return 0;
}
