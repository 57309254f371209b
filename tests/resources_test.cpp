// The resource set as built into the game, read back with the platform's
// own resource functions.
#include "resources/layout.h"
#include "test_support.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// A resource type or name as text: "#n" for integer ids.
std::string IdText(LPCSTR id) {
    if (IS_INTRESOURCE(id)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(id));
    return id;
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR into) {
    reinterpret_cast<std::vector<std::string>*>(into)->push_back(IdText(type));
    return TRUE;
}
BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR into) {
    reinterpret_cast<std::vector<std::string>*>(into)->push_back(IdText(name));
    return TRUE;
}
BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR into) {
    reinterpret_cast<std::vector<WORD>*>(into)->push_back(language);
    return TRUE;
}

LPCSTR TypeId(const std::string& text) {
    return text[0] == '#' ? MAKEINTRESOURCEA(std::stoi(text.substr(1))) : text.c_str();
}

std::vector<std::uint8_t> ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (!found) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return std::vector<std::uint8_t>(data, data + SizeofResource(module, found));
}

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
unsigned Read16(const std::vector<std::uint8_t>& bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8u; }

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        module = OpenGameExe();
        ASSERT_NE(nullptr, module) << "cannot open " << TUMBLEWIT_GAME_EXE;
    }
    void TearDown() override { FreeLibrary(module); }
    HMODULE module = nullptr;
};

}  // namespace

TEST_F(ResourcesTest, HoldsOnlyBitmapsSoundsAndTheIconAllInUsEnglish) {
    std::vector<std::string> types;
    EnumResourceTypesA(module, CollectType, reinterpret_cast<LONG_PTR>(&types));
    const std::set<std::string> found(types.begin(), types.end());
    // No menu (#4), dialog (#5), string table (#6), accelerators (#9),
    // version record (#16) or manifest (#24).
    EXPECT_EQ((std::set<std::string>{"#2", "#3", "#14", "WAVE"}), found);

    size_t total = 0;
    for (const std::string& type : types) {
        std::vector<std::string> names;
        EnumResourceNamesA(module, TypeId(type), CollectName, reinterpret_cast<LONG_PTR>(&names));
        total += names.size();
        for (const std::string& name : names) {
            std::vector<WORD> languages;
            EnumResourceLanguagesA(module, TypeId(type), TypeId(name), CollectLanguage,
                                   reinterpret_cast<LONG_PTR>(&languages));
            EXPECT_EQ(std::vector<WORD>{1033}, languages) << type << " " << name;
        }
    }
    EXPECT_EQ(static_cast<unsigned>(PICTURE_COUNT + BUTTON_BITMAP_COUNT + SOUND_COUNT + ICON_IMAGE_COUNT + 1), total);  // + the icon group
}

TEST_F(ResourcesTest, BitmapsAreStoredUpperCaseAndFoundInLowerCase) {
    std::vector<std::string> names;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(2), CollectName, reinterpret_cast<LONG_PTR>(&names));
    std::set<std::string> expected;
    for (const PictureEntry& item : PICTURES) expected.insert(item.name);
    for (const PictureEntry& item : BUTTON_BITMAPS) expected.insert(item.name);
    std::set<std::string> stored;
    for (std::string name : names) {
        EXPECT_EQ(name, std::string(CharUpperA(&name[0]))) << "stored in upper case";
        for (char& c : name) c = static_cast<char>(tolower(c));
        stored.insert(name);
    }
    EXPECT_EQ(expected, stored);
    // Nothing is numbered 5 to 9.
    for (const char* absent : {"pic5", "pic6", "pic7", "pic8", "pic9"})
        EXPECT_EQ(nullptr, FindResourceA(module, absent, MAKEINTRESOURCEA(2))) << absent;
    EXPECT_NE(nullptr, FindResourceA(module, "Pic10", MAKEINTRESOURCEA(2)));
    EXPECT_NE(nullptr, FindResourceA(module, "bmpicon", MAKEINTRESOURCEA(14)));
}

TEST_F(ResourcesTest, BitmapsAre24BitUncompressedBottomUpAtTheirSizes) {
    std::vector<PictureEntry> all(PICTURES, PICTURES + PICTURE_COUNT);
    all.insert(all.end(), BUTTON_BITMAPS, BUTTON_BITMAPS + BUTTON_BITMAP_COUNT);
    for (const PictureEntry& item : all) {
        SCOPED_TRACE(item.name);
        StoredBitmap bitmap;
        ASSERT_TRUE(ReadStoredBitmap(module, item.name, &bitmap));
        EXPECT_EQ(40u, bitmap.headerSize);
        EXPECT_EQ(item.width, bitmap.width);
        EXPECT_EQ(item.height, bitmap.height);  // positive: bottom-up
        EXPECT_EQ(24, bitmap.bitsPerPixel);
        EXPECT_EQ(static_cast<unsigned>(BI_RGB), bitmap.compression);
        EXPECT_EQ(0, bitmap.xPelsPerMeter);
        EXPECT_EQ(0, bitmap.yPelsPerMeter);
        const size_t rowBytes = ((static_cast<size_t>(item.width) * 3 + 3) / 4) * 4;
        EXPECT_EQ(rowBytes * static_cast<size_t>(item.height), bitmap.rows.size());
        // And the platform loads it at that size.
        HBITMAP loaded = LoadBitmapA(module, item.name);
        BITMAP info = {};
        GetObjectA(loaded, sizeof info, &info);
        EXPECT_EQ(item.width, info.bmWidth);
        EXPECT_EQ(item.height, info.bmHeight);
        DeleteObject(loaded);
    }
    EXPECT_TRUE(ResourceBytes(module, "be_3", MAKEINTRESOURCEA(2)) == ResourceBytes(module, "be_5", MAKEINTRESOURCEA(2)))
        << "be_5 is be_3, byte for byte";
}

TEST_F(ResourcesTest, SoundsArePcmWavesOfExactFormatAndLength) {
    std::vector<std::string> names;
    EnumResourceNamesA(module, "WAVE", CollectName, reinterpret_cast<LONG_PTR>(&names));
    std::set<std::string> expected;
    for (const SoundEntry& item : SOUNDS) expected.insert("#" + std::to_string(item.id));
    EXPECT_EQ(expected, std::set<std::string>(names.begin(), names.end()));
    for (const SoundEntry& item : SOUNDS) {
        SCOPED_TRACE(item.id);
        const auto wav = ResourceBytes(module, MAKEINTRESOURCEA(item.id), "wave");
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(0, std::memcmp(wav.data(), "RIFF", 4));
        EXPECT_EQ(0, std::memcmp(wav.data() + 8, "WAVE", 4));
        // Walk the chunks: the format and the data are what count.
        size_t at = 12;
        bool sawFormat = false, sawData = false;
        while (at + 8 <= wav.size()) {
            const std::uint32_t size = Read32(wav, at + 4);
            if (std::memcmp(wav.data() + at, "fmt ", 4) == 0) {
                sawFormat = true;
                EXPECT_EQ(1u, Read16(wav, at + 8));
                EXPECT_EQ(static_cast<unsigned>(item.channels), Read16(wav, at + 10));
                EXPECT_EQ(static_cast<std::uint32_t>(item.sampleRate), Read32(wav, at + 12));
                EXPECT_EQ(static_cast<unsigned>(item.bitsPerSample), Read16(wav, at + 22));
            } else if (std::memcmp(wav.data() + at, "data", 4) == 0) {
                sawData = true;
                EXPECT_EQ(item.dataBytes, size);
                EXPECT_LE(at + 8 + size, wav.size());
            }
            at += 8 + size + (size & 1);
        }
        EXPECT_TRUE(sawFormat);
        EXPECT_TRUE(sawData);
    }
}

TEST_F(ResourcesTest, IconGroupHoldsTwelveImagesInOrder) {
    const auto group = ResourceBytes(module, "BMPIcon", MAKEINTRESOURCEA(14));
    ASSERT_GE(group.size(), 6u + 14u * ICON_IMAGE_COUNT);
    EXPECT_EQ(1u, Read16(group, 2));
    ASSERT_EQ(static_cast<unsigned>(ICON_IMAGE_COUNT), Read16(group, 4));
    for (int i = 0; i < ICON_IMAGE_COUNT; ++i) {
        SCOPED_TRACE(i + 1);
        const size_t entry = 6 + 14 * static_cast<size_t>(i);
        const IconImageEntry& item = ICON_IMAGES[i];
        EXPECT_EQ(item.size, group[entry]);
        EXPECT_EQ(item.size, group[entry + 1]);
        EXPECT_EQ(static_cast<unsigned>(item.bitsPerPixel), Read16(group, entry + 6));
        const unsigned id = Read16(group, entry + 12);
        EXPECT_EQ(static_cast<unsigned>(i + 1), id);
        const auto image = ResourceBytes(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));
        ASSERT_GE(image.size(), 40u);
        EXPECT_EQ(40u, Read32(image, 0));
        EXPECT_EQ(static_cast<std::uint32_t>(item.size), Read32(image, 4));
        EXPECT_EQ(static_cast<std::uint32_t>(item.size * 2), Read32(image, 8));  // colour and mask
        EXPECT_EQ(1u, Read16(image, 12));
        EXPECT_EQ(static_cast<unsigned>(item.bitsPerPixel), Read16(image, 14));
        if (item.size >= 48) {
            // The 32-pixel figure sits in a transparent field: the AND mask's
            // first row (the bottom one) is all ones.
            const size_t colourRow = ((static_cast<size_t>(item.size * item.bitsPerPixel) + 31) / 32) * 4;
            const size_t palette = item.bitsPerPixel == 4 ? 64 : 0;
            const size_t mask = 40 + palette + colourRow * static_cast<size_t>(item.size);
            for (int byte = 0; byte < item.size / 8; ++byte) EXPECT_EQ(0xFF, image[mask + static_cast<size_t>(byte)]);
        }
    }
}
