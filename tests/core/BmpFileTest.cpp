// The BMP writer and cDIB: our files' bytes, and what cDIB takes from good,
// refused and truncated files.
#include "core/BmpFile.h"
#include "core/cDIB.h"
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t U32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Set16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A picture whose every byte depends on its place, so a swapped channel, row
// or column shows.
PictureRows Pattern(std::int32_t w, std::int32_t h, int seed = 0) {
    PictureRows p{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            p.Rgb.push_back(static_cast<std::uint8_t>(x * 7 + seed));
            p.Rgb.push_back(static_cast<std::uint8_t>(y * 13 + 3 * seed));
            p.Rgb.push_back(static_cast<std::uint8_t>((x ^ y) * 5 + 1));
        }
    return p;
}

// An 8-bit file: 256-entry colour table, rows of w bytes padded to 4.
Bytes EightBitFile(std::int32_t w, std::int32_t h) {
    const std::uint32_t row = (static_cast<std::uint32_t>(w) + 3) & ~3u;
    const std::uint32_t offset = 54 + 1024;
    Bytes b(offset + row * h, 0);
    b[0] = 'B';
    b[1] = 'M';
    Set32(b, 2, static_cast<std::uint32_t>(b.size()));
    Set32(b, 10, offset);
    Set32(b, 14, 40);
    Set32(b, 18, static_cast<std::uint32_t>(w));
    Set32(b, 22, static_cast<std::uint32_t>(h));
    Set16(b, 26, 1);
    Set16(b, 28, 8);
    Set32(b, 34, row * h);
    Set32(b, 46, 256);
    for (int i = 0; i < 256; ++i) {
        b[54 + 4 * i] = static_cast<std::uint8_t>(i);
        b[54 + 4 * i + 1] = static_cast<std::uint8_t>(255 - i);
        b[54 + 4 * i + 2] = static_cast<std::uint8_t>(i / 2);
    }
    for (std::size_t i = offset; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 31);
    return b;
}

TEST(BmpWriter, HeadersAndBottomUpRowsOfBlueGreenRed) {
    const PictureRows p = Pattern(3, 2);
    const Bytes b = BmpFileBytes(p);
    ASSERT_EQ(b.size(), 54u + 2 * 12); // rows of 9 bytes padded to 12
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 6), 0u);
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 3u);
    EXPECT_EQ(U32(b, 22), 2u); // positive: bottom-up
    EXPECT_EQ(b[26] | b[27] << 8, 1);
    EXPECT_EQ(b[28] | b[29] << 8, 24);
    EXPECT_EQ(U32(b, 30), 0u); // BI_RGB
    EXPECT_EQ(U32(b, 34), 24u);
    for (int row = 0; row < 2; ++row) {
        const std::size_t fileRow = 54 + 12 * static_cast<std::size_t>(row); // both bottom row first
        for (int x = 0; x < 3; ++x) {
            const std::size_t src = (static_cast<std::size_t>(row) * 3 + x) * 3;
            EXPECT_EQ(b[fileRow + 3 * x], p.Rgb[src + 2]);
            EXPECT_EQ(b[fileRow + 3 * x + 1], p.Rgb[src + 1]);
            EXPECT_EQ(b[fileRow + 3 * x + 2], p.Rgb[src]);
        }
        for (int pad = 9; pad < 12; ++pad) EXPECT_EQ(b[fileRow + pad], 0);
    }
}

TEST(BmpWriter, InvalidPicturesWriteNothing) {
    TempFolder dir("vx_bmp_");
    const PictureRows bad[] = {{0, 5, {}}, {5, 0, {}}, {-2, 3, Bytes(18)}, {2, 2, Bytes(11)}};
    for (const PictureRows& p : bad) {
        EXPECT_THROW(BmpFileBytes(p), std::invalid_argument);
        EXPECT_FALSE(WriteBmpFile(dir.File("bad.bmp"), p));
        EXPECT_FALSE(fs::exists(dir.File("bad.bmp")));
    }
    EXPECT_FALSE(WriteBmpFile(dir.File("no such folder/a.bmp"), Pattern(2, 2)));
}

TEST(BmpWriter, ReplacesAnExistingFileWhole) {
    TempFolder dir("vx_bmp_");
    const std::string path = dir.File("view.bmp");
    WriteBytes(path, Bytes(5000, 0xEE)); // longer than the new file
    const PictureRows p = Pattern(4, 4);
    ASSERT_TRUE(WriteBmpFile(path, p));
    EXPECT_EQ(ReadBytes(path), BmpFileBytes(p));
    // Only the file itself is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path).parent_path()), fs::directory_iterator()), 1);
}

class cDIBTest : public ::testing::Test {
protected:
    TempFolder dir{"vx_bmp_"};
    RecordingMessageBox messages;

    std::string Fixture(const std::string& name, const Bytes& bytes) {
        const std::string path = dir.File(name);
        WriteBytes(path, bytes);
        return path;
    }
    Bytes Block(const std::uint8_t* p, std::int32_t n) { return Bytes(p, p + n); }
};

TEST_F(cDIBTest, TwentyFourBitFile) {
    const Bytes file = BmpFileBytes(Pattern(5, 3));
    const std::string path = Fixture("a.bmp", file);
    cDIB dib;
    ASSERT_TRUE(dib.CreateFromFile(path));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(dib.FileType(), 19778);
    EXPECT_EQ(dib.SizeFileHeader(), static_cast<std::int32_t>(file.size()));
    EXPECT_EQ(dib.BitOffset(), 54);
    EXPECT_EQ(dib.SizeInfoHeader(), 40);
    EXPECT_EQ(dib.Width(), 5);
    EXPECT_EQ(dib.Height(), 3);
    EXPECT_EQ(dib.Planes(), 1);
    EXPECT_EQ(dib.BitCount(), 24);
    EXPECT_EQ(dib.Compression(), 0);
    EXPECT_EQ(dib.SizeImage(), 48);
    EXPECT_EQ(dib.XPPM(), 0);
    EXPECT_EQ(dib.YPPM(), 0);
    EXPECT_EQ(dib.ClrUsed(), 0);
    EXPECT_EQ(dib.ClrImportant(), 0);
    ASSERT_EQ(dib.SizeBitmapInfo(), 40);
    EXPECT_EQ(Block(dib.PointerToBitmapInfo(), 40), Bytes(file.begin() + 14, file.begin() + 54));
    EXPECT_EQ(Block(dib.PointerToBits(), 48), Bytes(file.begin() + 54, file.end()));

    // Reading it again gives the same blocks.
    const Bytes bits = Block(dib.PointerToBits(), 48);
    ASSERT_TRUE(dib.CreateFromFile(path));
    EXPECT_EQ(Block(dib.PointerToBits(), 48), bits);
}

TEST_F(cDIBTest, EightBitFileWithItsColourTable) {
    const Bytes file = EightBitFile(6, 4);
    cDIB dib;
    ASSERT_TRUE(dib.CreateFromFile(Fixture("p.bmp", file)));
    EXPECT_EQ(dib.BitOffset(), 1078);
    EXPECT_EQ(dib.BitCount(), 8);
    EXPECT_EQ(dib.ClrUsed(), 256);
    EXPECT_EQ(dib.SizeImage(), 32);
    ASSERT_EQ(dib.SizeBitmapInfo(), 1064);
    EXPECT_EQ(Block(dib.PointerToBitmapInfo(), 1064), Bytes(file.begin() + 14, file.begin() + 1078));
    EXPECT_EQ(Block(dib.PointerToBits(), 32), Bytes(file.begin() + 1078, file.end()));

    // A second file replaces both blocks.
    const Bytes other = BmpFileBytes(Pattern(2, 2, 9));
    ASSERT_TRUE(dib.CreateFromFile(Fixture("q.bmp", other)));
    EXPECT_EQ(dib.SizeBitmapInfo(), 40);
    EXPECT_EQ(Block(dib.PointerToBits(), 16), Bytes(other.begin() + 54, other.end()));
}

TEST_F(cDIBTest, ZeroImageSizeIsComputedFromTheRows) {
    struct Case { std::int32_t w, h, bits, size; } cases[] = {{5, 3, 24, 48}, {6, 4, 8, 32}, {33, 2, 1, 16}};
    for (const Case& c : cases) {
        Bytes file = c.bits == 8 ? EightBitFile(c.w, c.h) : Bytes{};
        if (c.bits == 24) file = BmpFileBytes(Pattern(c.w, c.h));
        if (c.bits == 1) {
            file = EightBitFile(c.w, c.h); // same layout, 1 bit a pixel, rows of one word
            Set16(file, 28, 1);
            file.resize(1078 + 16);
            Set32(file, 2, static_cast<std::uint32_t>(file.size()));
        }
        Set32(file, 34, 0);
        cDIB dib;
        ASSERT_TRUE(dib.CreateFromFile(Fixture("z.bmp", file))) << c.bits;
        EXPECT_EQ(dib.SizeImage(), c.size) << c.bits;
        const Bytes bits = Block(dib.PointerToBits(), dib.SizeImage());
        EXPECT_EQ(bits, Bytes(file.begin() + dib.BitOffset(), file.begin() + dib.BitOffset() + c.size));
    }
}

// Every refusal shows one message titled AppTitle and keeps the bitmap; a
// file that is not "BM" leaves its own file header, as the export expects.
TEST_F(cDIBTest, RefusedFilesKeepTheBitmapHeld) {
    const Bytes good = BmpFileBytes(Pattern(7, 2));
    const std::string goodPath = Fixture("good.bmp", good);

    auto with = [&](auto change) {
        Bytes b = BmpFileBytes(Pattern(4, 4));
        change(b);
        return b;
    };
    const std::string unsupported = "不支持该文件定义的位图格式:";
    struct Case {
        const char* what;
        Bytes bytes;
        bool keepsFileHeader;
    } cases[] = {
        {"empty file", {}, true},
        {"shorter than the file header", Bytes{'B', 'M', 1, 2, 3}, true},
        {"headers cut short", with([](Bytes& b) { b.resize(40); }), true},
        {"pixels cut short", with([](Bytes& b) { b.resize(b.size() - 1); }), true},
        {"image size beyond the file", with([](Bytes& b) { Set32(b, 34, 1u << 30); }), true},
        {"pixel offset beyond the file", with([](Bytes& b) { Set32(b, 10, 1u << 20); }), true},
        {"pixel offset inside the headers", with([](Bytes& b) { Set32(b, 10, 40); }), true},
        {"width 0", with([](Bytes& b) { Set32(b, 18, 0); }), true},
        {"negative width", with([](Bytes& b) { Set32(b, 18, static_cast<std::uint32_t>(-4)); }), true},
        {"top-down rows", with([](Bytes& b) { Set32(b, 22, static_cast<std::uint32_t>(-4)); }), true},
        {"compressed with no image size", with([](Bytes& b) { Set32(b, 30, 1); Set32(b, 34, 0); }), true},
        {"huge rows with no image size", with([](Bytes& b) { Set32(b, 18, 0x7FFFFFFF); Set32(b, 34, 0); }), true},
        {"not BM", with([](Bytes& b) { b[0] = 'P'; b[1] = 'K'; }), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cDIB dib;
        ASSERT_TRUE(dib.CreateFromFile(goodPath));
        messages.Clear();
        const std::string path = Fixture("bad.bmp", c.bytes);
        EXPECT_FALSE(dib.CreateFromFile(path));
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, unsupported + CrLf + path);
        EXPECT_EQ(messages.Last().title, AppTitle);
        EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
        EXPECT_EQ(dib.FileType(), c.keepsFileHeader ? 19778 : 0x4B50);
        EXPECT_EQ(dib.SizeFileHeader(), static_cast<std::int32_t>(c.keepsFileHeader ? good.size() : U32(c.bytes, 2)));
        EXPECT_EQ(dib.Width(), 7);
        EXPECT_EQ(dib.Height(), 2);
        EXPECT_EQ(dib.SizeImage(), 48);
        EXPECT_EQ(Block(dib.PointerToBits(), 48), Bytes(good.begin() + 54, good.end()));
        EXPECT_EQ(dib.SizeBitmapInfo(), 40);
    }
}

TEST_F(cDIBTest, MissingFileOrAFolder) {
    for (const std::string& path : {dir.File("nothing.bmp"), dir.File("")}) {
        cDIB dib;
        messages.Clear();
        EXPECT_FALSE(dib.CreateFromFile(path));
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "不见不存在： " + CrLf + path);
        EXPECT_EQ(messages.Last().icon, MsgIcon::Critical);
        EXPECT_EQ(messages.Last().title, AppTitle);
        EXPECT_EQ(dib.Width(), 0);
    }
}

TEST_F(cDIBTest, FileThatCannotBeOpened) {
    const std::string path = Fixture("locked.bmp", BmpFileBytes(Pattern(2, 2)));
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    if (::access(path.c_str(), R_OK) == 0) GTEST_SKIP() << "running with the right to read any file";
    cDIB dib;
    EXPECT_FALSE(dib.CreateFromFile(path));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "文件被锁:" + CrLf + path);
    EXPECT_EQ(messages.Last().icon, MsgIcon::Critical);
}

// A packed bitmap in memory: its 40-byte information header, `extra` bytes of
// colour table or masks, and `image` pixel bytes.
Bytes Packed(std::int32_t bits, std::int32_t image, std::int32_t compression = 0, std::int32_t used = 0,
             std::size_t extra = 0) {
    Bytes b(40 + extra + static_cast<std::size_t>(std::max(image, 0)), 0);
    Set32(b, 0, 40);
    Set32(b, 4, 10);
    Set32(b, 8, 10);
    Set16(b, 12, 1);
    Set16(b, 14, static_cast<std::uint32_t>(bits));
    Set32(b, 16, static_cast<std::uint32_t>(compression));
    Set32(b, 20, static_cast<std::uint32_t>(image));
    Set32(b, 32, static_cast<std::uint32_t>(used));
    for (std::size_t i = 40; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 7);
    return b;
}

TEST_F(cDIBTest, PackedBitmapsTakenOrRefused) {
    struct Case {
        const char* what;
        Bytes block;
        std::size_t size;   // bytes the caller says the block has
        std::int32_t info;  // bitmap information bytes taken, 0 for refused
    };
    const Bytes rgb24 = Packed(24, 300);
    const Case cases[] = {
        {"24 bits, image size 300", rgb24, rgb24.size(), 40},
        {"32 bits with three masks", Packed(32, 400, 3, 0, 12), 452, 52},
        {"16 bits with two colours listed", Packed(16, 200, 0, 2, 8), 248, 48},
        {"a longer block: the image size decides", Packed(24, 300), 340, 40},
        {"8 bits", Packed(8, 100), 140, 0},
        {"image size 0", Packed(24, 0), 40, 0},
        {"negative image size", Packed(24, -5), 40, 0},
        {"pixels beyond the block", Packed(24, 300), 339, 0},
        {"masks beyond the block", Packed(32, 400, 3), 440, 0},
        {"header cut short", Packed(24, 300), 39, 0},
        {"header size field below 40", [] { Bytes b = Packed(24, 8); Set32(b, 0, 12); return b; }(), 48, 0},
    };
    const Bytes good = BmpFileBytes(Pattern(7, 2));
    const std::string goodPath = Fixture("good.bmp", good);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cDIB dib;
        ASSERT_TRUE(dib.CreateFromFile(goodPath));
        Bytes block = c.block;
        block.resize(std::max(block.size(), c.size));
        const bool taken = dib.CreateFromPackedDIBPointer(block.data(), c.size);
        EXPECT_EQ(taken, c.info > 0);
        if (taken) {
            const std::int32_t image = static_cast<std::int32_t>(U32(block, 20));
            EXPECT_EQ(dib.FileType(), 19778);
            EXPECT_EQ(dib.BitOffset(), 14 + c.info);
            EXPECT_EQ(dib.SizeFileHeader(), 14 + c.info + image);
            EXPECT_EQ(dib.BitCount(), static_cast<std::int32_t>(block[14]));
            EXPECT_EQ(dib.Width(), 10);
            EXPECT_EQ(dib.SizeImage(), image);
            ASSERT_EQ(dib.SizeBitmapInfo(), c.info);
            EXPECT_EQ(Block(dib.PointerToBitmapInfo(), c.info), Bytes(block.begin(), block.begin() + c.info));
            EXPECT_EQ(Block(dib.PointerToBits(), image), Bytes(block.begin() + c.info, block.begin() + c.info + image));
        } else {
            // The bitmap held before, whole: header, blocks and their sizes agree.
            EXPECT_EQ(dib.Width(), 7);
            EXPECT_EQ(dib.BitCount(), 24);
            EXPECT_EQ(dib.SizeImage(), 48);
            EXPECT_EQ(dib.BitOffset(), 54);
            EXPECT_EQ(Block(dib.PointerToBits(), 48), Bytes(good.begin() + 54, good.end()));
        }
    }
    cDIB dib;
    EXPECT_FALSE(dib.CreateFromPackedDIBPointer(nullptr, 1000));
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(messages.Count(), 0u);
}

// What WriteToFile writes reads back as the same bitmap; an 8-bit file with
// its colour table comes out byte for byte.
TEST_F(cDIBTest, WriteToFileGivesTheBitmapBack) {
    const Bytes eight = EightBitFile(6, 4);
    cDIB dib;
    ASSERT_TRUE(dib.CreateFromFile(Fixture("p.bmp", eight)));
    const std::string out = dir.File("out.bmp");
    WriteBytes(out, Bytes(5000, 0xEE)); // an older, longer file of that name
    ASSERT_TRUE(dib.WriteToFile(out));
    EXPECT_EQ(ReadBytes(out), eight);

    const Bytes block = Packed(24, 300);
    ASSERT_TRUE(dib.CreateFromPackedDIBPointer(block.data(), block.size()));
    ASSERT_TRUE(dib.WriteToFile(out));
    const Bytes written = ReadBytes(out);
    ASSERT_EQ(written.size(), 354u);
    EXPECT_EQ(Bytes(written.begin() + 14, written.end()), block);
    cDIB back;
    ASSERT_TRUE(back.CreateFromFile(out));
    EXPECT_EQ(back.SizeFileHeader(), 354);
    EXPECT_EQ(back.BitOffset(), 54);
    EXPECT_EQ(Block(back.PointerToBits(), 300), Bytes(block.begin() + 40, block.end()));

    // After a refused "BM" test the file written is still the bitmap held.
    Bytes zip = BmpFileBytes(Pattern(3, 3));
    zip[0] = 'P';
    zip[1] = 'K';
    EXPECT_FALSE(back.CreateFromFile(Fixture("zip.bmp", zip)));
    ASSERT_TRUE(back.WriteToFile(out));
    EXPECT_EQ(ReadBytes(out), written);
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(cDIBTest, WriteToFileFailsWithNothingToWriteOrNowhereToWrite) {
    cDIB empty;
    EXPECT_FALSE(empty.WriteToFile(dir.File("none.bmp")));
    EXPECT_FALSE(fs::exists(dir.File("none.bmp")));
    cDIB dib;
    ASSERT_TRUE(dib.CreateFromFile(Fixture("a.bmp", BmpFileBytes(Pattern(2, 2)))));
    EXPECT_FALSE(dib.WriteToFile(dir.File("no such folder/a.bmp")));
    EXPECT_FALSE(dib.WriteToFile(dir.File("")));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(cDIBTest, BlocksOfANewObjectRaiseTheSubscriptError) {
    cDIB dib;
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.FileType(), 0);
    for (auto read : {+[](const cDIB& d) { (void)d.PointerToBits(); },
                      +[](const cDIB& d) { (void)d.PointerToBitmapInfo(); },
                      +[](const cDIB& d) { (void)d.SizeBitmapInfo(); }}) {
        try {
            read(dib);
            ADD_FAILURE() << "no error";
        } catch (const RaisedError& e) {
            EXPECT_EQ(e.Number(), ErrNo::Subscript);
        }
    }
}

} // namespace
