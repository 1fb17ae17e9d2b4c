// The dialog templates as the program's resources hold them, control by control; the icon and
// bitmaps; and the windows Windows makes of the templates, measured in pixels.
#include "framework/Dialog.h"
#include "resources/resource.h"
#include "wizard/ProgressDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Item {
    int id;
    std::string cls;
    std::string text; // "#n" for a resource number
    RECT rect;        // x, y, width, height in dialog units
    DWORD style;
};

struct Template {
    DWORD style;
    RECT rect;
    std::string caption;
    int pointSize;
    std::string font;
    std::vector<Item> items;
};

std::string Show(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Reads the DIALOG resource format: a header, then DWORD-aligned items, with names that are
// either a 0xFFFF and a number or a NUL-ended UTF-16 string.
class TemplateReader {
public:
    explicit TemplateReader(const void* data) : p(static_cast<const BYTE*>(data)), start(p) {}

    Template Read()
    {
        Template t{};
        t.style = Dword();
        Dword(); // extended style
        const int count = Word();
        t.rect = Rect();
        Name(); // menu
        Name(); // class
        t.caption = Name();
        if (t.style & DS_SETFONT) {
            t.pointSize = Word();
            t.font = Name();
        }
        for (int i = 0; i < count; ++i) {
            Align();
            Item item{};
            item.style = Dword();
            Dword();
            item.rect = Rect();
            item.id = static_cast<short>(Word());
            item.cls = ClassName(Name());
            item.text = Name();
            p += Word(); // creation data
            t.items.push_back(item);
        }
        return t;
    }

private:
    WORD Word()
    {
        WORD w;
        memcpy(&w, p, 2);
        p += 2;
        return w;
    }
    DWORD Dword()
    {
        DWORD d;
        memcpy(&d, p, 4);
        p += 4;
        return d;
    }
    RECT Rect()
    {
        RECT r;
        r.left = static_cast<short>(Word());
        r.top = static_cast<short>(Word());
        r.right = static_cast<short>(Word());
        r.bottom = static_cast<short>(Word());
        return r;
    }
    std::string Name()
    {
        WORD first = Word();
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        std::string text;
        for (WORD c = first; c; c = Word())
            text += static_cast<char>(c);
        return text;
    }
    void Align()
    {
        while ((p - start) % 4)
            ++p;
    }
    static std::string ClassName(const std::string& name)
    {
        const char* atoms[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
        for (int i = 0; i < 6; ++i)
            if (name == "#" + std::to_string(0x80 + i))
                return atoms[i];
        return name;
    }

    const BYTE* p;
    const BYTE* start;
};

const void* Resource(int id, LPCSTR type, DWORD* size = nullptr)
{
    HRSRC found = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), type);
    if (!found)
        return nullptr;
    if (size)
        *size = SizeofResource(GetModuleHandleA(nullptr), found);
    return LockResource(LoadResource(GetModuleHandleA(nullptr), found));
}

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPage = DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION;

std::vector<Template> Expected()
{
    // clang-format off
    std::vector<Item> boxes;
    for (int k = 0; k < 10; ++k)
        boxes.push_back(
            {IDC_MODULE1 + k, "Button", "Module1", {17, 7 + 13 * k, 245, 10}, kShown | BS_AUTOCHECKBOX | WS_TABSTOP});
    return {
        {DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION, {0, 0, 197, 101}, "Corvel Install for Windows95 and NT", 8,
         "MS Sans Serif",
         {{-1, "Static", "Corvel Install is initializig and prepering installation", {30, 61, 148, 8},
           kShown | SS_LEFT | WS_GROUP},
          {-1, "Static", "#128", {18, 15, 21, 20}, kShown | SS_ICON}}},
        {kPage, {0, 0, 286, 127}, "Step 1 - Select destination directory", 8, "MS Sans Serif",
         {{IDC_WELCOMETEXT, "Static", "", {7, 7, 272, 40}, kShown | SS_LEFT | WS_GROUP},
          {IDC_DESTPATH, "Edit", "", {66, 95, 197, 14}, kShown | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
          {-1, "Static", "Destination Path", {7, 101, 53, 8}, kShown | SS_LEFT},
          {-1, "Static", "#136", {17, 56, 32, 30}, kShown | SS_BITMAP | SS_REALSIZEIMAGE}}},
        {kPage, {0, 0, 277, 113}, "Step 2 - Select Installation Type", 8, "MS Sans Serif",
         {{IDC_TYPICAL, "Button", "Typical - This will install the typical modules for this progra,", {34, 28, 197, 10},
           kShown | BS_AUTORADIOBUTTON | WS_GROUP},
          {IDC_MINIMUM, "Button", "Minimum - This will only install the files neccesary to run this program",
           {34, 54, 229, 10}, kShown | BS_AUTORADIOBUTTON},
          {IDC_CUSTOM, "Button", "Custom - This allows you to select the modules to Install", {34, 80, 190, 10},
           kShown | BS_AUTORADIOBUTTON}}},
        {kPage, {0, 0, 269, 145}, "Step 2 a - Select modules to Install", 8, "MS Sans Serif", boxes},
        {kPage, {0, 0, 274, 141}, "Step 3 - Select Program Folder", 8, "MS Sans Serif",
         {{IDC_FOLDERPROMPT, "Static", "", {7, 7, 260, 27}, kShown | SS_LEFT | WS_GROUP},
          {IDC_FOLDERLIST, "ComboBox", "", {65, 50, 146, 84}, kShown | CBS_SIMPLE | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
          {-1, "Static", "Folder", {7, 49, 20, 8}, kShown | SS_LEFT}}},
        {kPage, {0, 0, 277, 111}, "Finish the installation", 8, "MS Sans Serif",
         {{-1, "Static", "Corvel Install is ready to finish the installation", {49, 28, 179, 20},
           kShown | SS_CENTER | WS_GROUP},
          {-1, "Static", "#137", {17, 56, 32, 30}, kShown | SS_BITMAP | SS_REALSIZEIMAGE}}},
        {DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, {0, 0, 254, 74}, "Corvel Install - Installing",
         8, "MS Sans Serif",
         {{IDC_STATUSLINE, "Static", "Static", {7, 17, 240, 8}, kShown | SS_CENTER | WS_GROUP},
          {IDC_FILELINE, "Static", "Static", {7, 32, 240, 8}, kShown | SS_CENTER | WS_GROUP},
          {IDC_PROGRESSBAR, "msctls_progress32", "", {7, 53, 240, 14}, kShown | WS_BORDER}}},
    };
    // clang-format on
}

TEST(Templates, EachTemplateHoldsItsControlsExactly)
{
    const std::vector<Template> expected = Expected();
    for (int id = IDD_SPLASH; id <= IDD_PROGRESS; ++id) {
        const Template& want = expected[id - IDD_SPLASH];
        const void* data = Resource(id, RT_DIALOG);
        ASSERT_NE(data, nullptr) << id;
        Template got = TemplateReader(data).Read();
        EXPECT_EQ(got.style, want.style) << id;
        EXPECT_EQ(Show(got.rect), Show(want.rect)) << id;
        EXPECT_EQ(got.caption, want.caption) << id;
        EXPECT_EQ(got.pointSize, want.pointSize) << id;
        EXPECT_EQ(got.font, want.font) << id;
        ASSERT_EQ(got.items.size(), want.items.size()) << id;
        for (size_t i = 0; i < want.items.size(); ++i) {
            const Item& g = got.items[i];
            const Item& w = want.items[i];
            EXPECT_EQ(g.id, w.id) << id << " item " << i;
            EXPECT_EQ(lstrcmpiA(g.cls.c_str(), w.cls.c_str()), 0) << id << " item " << i << ": " << g.cls;
            EXPECT_EQ(g.text, w.text) << id << " item " << i;
            EXPECT_EQ(Show(g.rect), Show(w.rect)) << id << " item " << i;
            EXPECT_EQ(g.style, w.style)
                << id << " item " << i << std::hex << " got " << g.style << " want " << w.style;
        }
    }
}

TEST(Templates, IconAndBitmapsHaveTheirSizesAndColours)
{
    const BYTE* group = static_cast<const BYTE*>(Resource(IDR_MAINFRAME, RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    WORD count;
    memcpy(&count, group + 4, 2);
    ASSERT_EQ(count, 1);
    const BYTE* entry = group + 6;
    EXPECT_EQ(entry[0], 32); // width
    EXPECT_EQ(entry[1], 32); // height
    EXPECT_EQ(entry[2], 16); // colours
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)), nullptr);

    for (int id : {IDB_WELCOME, IDB_FINISH}) {
        const auto* header = static_cast<const BITMAPINFOHEADER*>(Resource(id, RT_BITMAP));
        ASSERT_NE(header, nullptr) << id;
        EXPECT_EQ(header->biWidth, 48) << id;
        EXPECT_EQ(header->biHeight, 48) << id;
        EXPECT_EQ(header->biBitCount, 4) << id;
    }
}

// The windows made from the templates: each control where its dialog units put it.
TEST(Templates, WindowsPlaceTheControlsAtTheirDialogUnits)
{
    const std::vector<Template> expected = Expected();
    CDialog owner(IDD_PROGRESS);
    ASSERT_TRUE(owner.Create(IDD_PROGRESS));
    for (int id = IDD_SPLASH; id <= IDD_PROGRESS; ++id) {
        const Template& want = expected[id - IDD_SPLASH];
        CDialog dialog(id);
        ASSERT_TRUE(dialog.Create(id, (want.style & WS_CHILD) ? &owner : nullptr)) << id;
        RECT client;
        GetClientRect(dialog.m_hWnd, &client);
        RECT size{0, 0, want.rect.right, want.rect.bottom};
        MapDialogRect(dialog.m_hWnd, &size);
        EXPECT_EQ(Show(client), Show(size)) << id;
        char caption[128] = {};
        GetWindowTextA(dialog.m_hWnd, caption, sizeof caption);
        EXPECT_EQ(caption, want.caption) << id;

        HWND control = GetWindow(dialog.m_hWnd, GW_CHILD);
        for (const Item& item : want.items) {
            ASSERT_NE(control, nullptr) << id;
            RECT placed;
            GetWindowRect(control, &placed);
            MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&placed), 2);
            // Windows converts the position and the size each on its own.
            RECT corner{item.rect.left, item.rect.top, item.rect.right, item.rect.bottom};
            MapDialogRect(dialog.m_hWnd, &corner);
            RECT units{corner.left, corner.top, corner.left + corner.right, corner.top + corner.bottom};
            const bool picture = item.text[0] == '#';
            if (picture) {
                // A picture control takes the size of its picture: only its corner is placed.
                EXPECT_EQ(placed.left, units.left) << id << " " << item.text;
                EXPECT_EQ(placed.top, units.top) << id << " " << item.text;
            } else if (item.cls != "ComboBox") { // a simple combo box rounds its list to whole lines
                EXPECT_EQ(Show(placed), Show(units)) << id << " control " << item.id;
            } else {
                EXPECT_EQ(placed.left, units.left);
                EXPECT_EQ(placed.top, units.top);
                EXPECT_EQ(placed.right, units.right);
            }
            control = GetWindow(control, GW_HWNDNEXT);
        }
    }
}

// The pictures are drawn at their own size: 48 x 48 for the bitmaps, 32 x 32 for the icon.
TEST(Templates, PicturesKeepTheirOwnSize)
{
    CDialog owner(IDD_PROGRESS);
    ASSERT_TRUE(owner.Create(IDD_PROGRESS));
    struct Case {
        int templateId;
        int size;
    } cases[] = {{IDD_WELCOME, 48}, {IDD_FINISH, 48}, {IDD_SPLASH, 32}};
    for (const auto& c : cases) {
        CDialog dialog(c.templateId);
        ASSERT_TRUE(dialog.Create(c.templateId, c.templateId == IDD_SPLASH ? nullptr : &owner));
        HWND picture = nullptr;
        for (HWND child = GetWindow(dialog.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG kind = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
            if (kind == SS_BITMAP || kind == SS_ICON)
                picture = child;
        }
        ASSERT_NE(picture, nullptr) << c.templateId;
        RECT client;
        GetClientRect(picture, &client);
        EXPECT_EQ(client.right, c.size) << c.templateId;
        EXPECT_EQ(client.bottom, c.size) << c.templateId;
    }
}

} // namespace
