// The module's resources read back as a host reads them, through the Windows
// resource and version APIs: icon, bitmaps, string table and version.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace {

constexpr WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);  // 0x0407

struct DataFile {
    DataFile() : handle(LoadLibraryExA(systemPath(DD_MODULE_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~DataFile() {
        if (handle) FreeLibrary(handle);
    }
    // The bytes of a resource in German, or nothing.
    template <class T>
    const T* resource(LPCSTR type, int id, DWORD* size = nullptr) const {
        HRSRC found = FindResourceExA(handle, type, MAKEINTRESOURCEA(id), kGerman);
        if (!found) return nullptr;
        if (size) *size = SizeofResource(handle, found);
        return static_cast<const T*>(LockResource(LoadResource(handle, found)));
    }
    HMODULE handle;
};

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroup {
    WORD reserved, type, count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

std::string versionText(const std::vector<char>& info, const char* name) {
    void* text = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040704B0\\") + name;
    if (!VerQueryValueA(info.data(), query.c_str(), &text, &length)) return "(none)";
    return length ? std::string(static_cast<const char*>(text)) : std::string();
}

}  // namespace

TEST(WindowsResources, OneIconOf16By16PixelsAt8Bits) {
    DataFile module;
    ASSERT_NE(module.handle, nullptr) << GetLastError();
    const auto* group = module.resource<IconGroup>(RT_GROUP_ICON, 102);
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 16);
    EXPECT_EQ(group->entries[0].height, 16);
    EXPECT_EQ(group->entries[0].bitCount, 8);
    const auto* image = module.resource<BITMAPINFOHEADER>(RT_ICON, group->entries[0].id);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->biWidth, 16);
    EXPECT_EQ(image->biHeight, 32);  // the colour image and its mask
    EXPECT_EQ(image->biBitCount, 8);
    HICON icon = static_cast<HICON>(LoadImageA(module.handle, MAKEINTRESOURCEA(102), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(icon, nullptr);
    DestroyIcon(icon);
}

TEST(WindowsResources, TwoUncompressedBitmapsOfTheirSizesAt8Bits) {
    DataFile module;
    ASSERT_NE(module.handle, nullptr) << GetLastError();
    const struct {
        int id;
        LONG width, height;
    } bitmaps[] = {{103, 128, 147}, {104, 128, 189}};
    for (const auto& b : bitmaps) {
        const auto* header = module.resource<BITMAPINFOHEADER>(RT_BITMAP, b.id);
        ASSERT_NE(header, nullptr) << b.id;
        EXPECT_EQ(header->biWidth, b.width) << b.id;
        EXPECT_EQ(header->biHeight, b.height) << b.id;
        EXPECT_EQ(header->biBitCount, 8) << b.id;
        EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB)) << b.id;
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(module.handle, MAKEINTRESOURCEA(b.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr) << b.id;
        DIBSECTION section{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof section, &section), static_cast<int>(sizeof section)) << b.id;
        EXPECT_EQ(section.dsBm.bmWidth, b.width) << b.id;
        EXPECT_EQ(section.dsBm.bmHeight, b.height) << b.id;
        EXPECT_EQ(section.dsBm.bmBitsPixel, 8) << b.id;
        DeleteObject(bitmap);
    }
    // The information object's resource number names no resource.
    EXPECT_EQ(FindResourceA(module.handle, MAKEINTRESOURCEA(101), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module.handle, MAKEINTRESOURCEA(101), RT_GROUP_ICON), nullptr);
}

TEST(WindowsResources, TheStringTableInGerman) {
    DataFile module;
    ASSERT_NE(module.handle, nullptr) << GetLastError();
    // Strings are stored in blocks of 16; string 1000 is in block 63.
    EXPECT_NE(module.resource<WCHAR>(RT_STRING, 1000 / 16 + 1), nullptr);
    char text[64] = {};
    ASSERT_EQ(LoadStringA(module.handle, 1000, text, sizeof text), 8);
    EXPECT_STREQ(text, "QUORVANE");
}

TEST(WindowsResources, EveryVersionField) {
    const std::string path = systemPath(DD_MODULE_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, (1u << 16) | 5u);
    EXPECT_EQ(fixed->dwFileVersionLS, (153u << 16) | 348u);
    EXPECT_EQ(fixed->dwProductVersionMS, (1u << 16) | 5u);
    EXPECT_EQ(fixed->dwProductVersionLS, (153u << 16) | 348u);

    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0407);
    EXPECT_EQ(translation[1], 0x04B0);

    EXPECT_EQ(versionText(info, "FileVersion"), "1,5,153,348");
    EXPECT_EQ(versionText(info, "ProductVersion"), "1,5,153,348");
    EXPECT_EQ(versionText(info, "OLESelfRegister"), "");
    EXPECT_EQ(versionText(info, "CompanyName"), "(none)");
}

TEST(WindowsResources, TheInformationObjectNamesTheResources) {
    ModuleLoader loader(systemPath(DD_MODULE_PATH));
    ASSERT_TRUE(loader.loaded()) << loader.error();
    std::unique_ptr<CInformation> info(loader.getInformation());
    HMODULE module = GetModuleHandleA("ZTQQVPB153A0101.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(info->GetIconId()), RT_GROUP_ICON), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(info->GetLogoBitmapId()), RT_BITMAP), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(info->GetDeviceBitmapId()), RT_BITMAP), nullptr);
}
