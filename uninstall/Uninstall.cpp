// Uninstall.exe: replays an uninstall log, newest record first.

int main()
{
    // Not built yet: the program starts and ends.
    return 0;
}
