/* What the toolchain's own libraries (libstdc++, libmingwex) call that crtdll.dll or the kernel32
   of Windows 95 and NT 3.51 do not export. These objects are linked whole, so their import slots
   stand in for the import libraries' ones. None of it lies on a path the programs take often. */
#include <windows.h>

#include <errno.h>

/* crtdll.dll has these under their underscored names only. */
int _read(int fd, void* buffer, unsigned int count);
int _close(int fd);
int read(int fd, void* buffer, unsigned int count)
{
    return _read(fd, buffer, count);
}
int close(int fd)
{
    return _close(fd);
}

/* std::random_device asks msvcrt's rand_s, which crtdll.dll lacks. The programs draw no random
   numbers; should one ever, it gets an error rather than a fixed number. */
static int __cdecl NoRandomNumber(unsigned int* value)
{
    (void)value;
    return EINVAL;
}
int(__cdecl* _imp__rand_s)(unsigned int*) = NoRandomNumber;

/* mbrtowc asks IsDBCSLeadByteEx, which Windows 95 has and NT 3.51 may lack: looked up when first
   needed; without it, IsDBCSLeadByte answers for the ANSI code page, the only one the programs use. */
static BOOL WINAPI LeadByteOf(UINT codePage, BYTE c)
{
    typedef BOOL(WINAPI * LeadByteEx)(UINT, BYTE);
    static LeadByteEx call;
    static int looked;
    if (!looked) {
        call = (LeadByteEx)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsDBCSLeadByteEx");
        looked = 1;
    }
    if (call)
        return call(codePage, c);
    return (codePage == CP_ACP || codePage == GetACP()) ? IsDBCSLeadByte(c) : FALSE;
}
BOOL(WINAPI* LeadByteSlot)(UINT, BYTE) __asm__("__imp__IsDBCSLeadByteEx@8") = LeadByteOf;
