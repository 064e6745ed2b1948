// Reading stored picture data into a picture.
#include "core/PictureErrors.h"
#include "core/StreamErrors.h"
#include "picture/JPEGImage.h"
#include "picture/MemoryStream.h"
#include "picture/Picture.h"
#include "picture/PictureFormats.h"
#include "tests/picture/TestPictures.h"
#include "tools/schematic/JpegWriter.h"

#include <gtest/gtest.h>

namespace {

struct TWatchedPicture {
    TPicture Picture;
    int Changes = 0;

    TWatchedPicture()
    {
        Picture.OnChange = [this](TPicture&) { ++Changes; };
    }
    void Read(const TBytes& block)
    {
        TMemoryStream stream(block);
        Picture.ReadData(stream);
    }
};

} // namespace

TEST(PictureFormats, JpegIsRegisteredUnderBothExtensionsAndFoundByClassName)
{
    const TPictureFormat* format = PictureFormats().FindByClassName("TJPEGImage");
    ASSERT_NE(format, nullptr);
    EXPECT_NE(dynamic_cast<TJPEGImage*>(format->Create().get()), nullptr);
    EXPECT_EQ(PictureFormats().FindByClassName("TBitmap"), nullptr);

    std::vector<std::pair<AnsiString, AnsiString>> jpegFormats;
    for (const TPictureFormat& f : PictureFormats().Items())
        if (f.ClassName == "TJPEGImage")
            jpegFormats.emplace_back(f.Extension, f.Description);
    const std::vector<std::pair<AnsiString, AnsiString>> expected{
        {"jpeg", "JPEG Image File"}, {"jpg", "JPEG Image File"}};
    EXPECT_EQ(jpegFormats, expected);
}

TEST(Picture, UnregisteredClassNameLeavesThePictureEmpty)
{
    TWatchedPicture watched;
    watched.Read(JpegBlock(SchematicJpeg()));
    ASSERT_NE(watched.Picture.Graphic(), nullptr);
    watched.Read(StoredBlock("TBitmap", JpegBlock(SchematicJpeg())));
    EXPECT_EQ(watched.Picture.Graphic(), nullptr);
    EXPECT_EQ(watched.Picture.Width(), 0);
    EXPECT_EQ(watched.Changes, 2);
}

TEST(Picture, FailedReadKeepsThePreviousGraphicAndSignalsNothing)
{
    const TBytes jpeg = WriteJpeg(SampleImage(40, 30, true));
    TBytes notJpeg = jpeg;
    notJpeg[0] = 0x00;
    TBytes cut = JpegBlock(jpeg);
    cut.resize(cut.size() - 1);
    TBytes hugeLength = StoredBlock("TJPEGImage", TBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xD8});
    const TBytes nameCut{10, 'T', 'J', 'P'};
    const TBytes lengthCut = StoredBlock("TJPEGImage", TBytes{1, 0});

    const struct {
        const char* Name;
        TBytes Block;
        const char* Message;
    } cases[] = {
        {"no start marker", JpegBlock(notJpeg), nullptr},
        {"JPEG bytes cut short", cut, "Stream read error"},
        {"length beyond the data", hugeLength, "Stream read error"},
        {"class name cut short", nameCut, "Stream read error"},
        {"length cut short", lengthCut, "Stream read error"},
        {"nothing at all", TBytes{}, "Stream read error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TWatchedPicture watched;
        watched.Read(JpegBlock(SchematicJpeg()));
        TGraphic* before = watched.Picture.Graphic();
        try {
            watched.Read(c.Block);
            ADD_FAILURE() << "read did not fail";
        } catch (const EJPEG& error) {
            EXPECT_EQ(c.Message, nullptr) << error.what();
            EXPECT_EQ(std::string(error.what()).rfind("JPEG error #", 0), 0u);
        } catch (const EReadError& error) {
            ASSERT_NE(c.Message, nullptr);
            EXPECT_STREQ(error.what(), c.Message);
        }
        EXPECT_EQ(watched.Picture.Graphic(), before);
        EXPECT_EQ(watched.Picture.Width(), 896);
        EXPECT_EQ(watched.Changes, 1);
    }
}

TEST(Picture, PassesTheGraphicsProgressOn)
{
    TWatchedPicture watched;
    watched.Read(JpegBlock(WriteJpeg(SampleImage(40, 30, true))));
    std::vector<std::pair<TProgressStage, int>> reports;
    TGraphic* sender = nullptr;
    watched.Picture.OnProgress = [&](TGraphic& graphic, TProgressStage stage, int percent, bool, const QRect&) {
        sender = &graphic;
        reports.emplace_back(stage, percent);
    };
    dynamic_cast<TJPEGImage&>(*watched.Picture.Graphic()).Bitmap();
    const std::vector<std::pair<TProgressStage, int>> expected{{psStarting, 0}, {psEnding, 100}};
    EXPECT_EQ(reports, expected);
    EXPECT_EQ(sender, watched.Picture.Graphic());
}
