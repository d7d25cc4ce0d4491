// The compression dialog of the video export, driven as a user does: the
// offered choice shown, Motion JPEG picked with the keyboard and its quality
// typed, "确定", "取消" and Escape, the owner window.
#include "platform/QtVideoCompression.h"
#include "tests/support/RunFolder.h"
#include "tests/support/WhenShown.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct Controls {
    QComboBox* compressor;
    QSlider* slider;
    QSpinBox* number;
    QLabel* label;
    QPushButton* ok;
    QPushButton* cancel;
};

Controls Find(QDialog* d) {
    auto* buttons = d->findChild<QDialogButtonBox*>();
    return {d->findChild<QComboBox*>(QStringLiteral("compressorList")),
            d->findChild<QSlider*>(QStringLiteral("qualitySlider")),
            d->findChild<QSpinBox*>(QStringLiteral("qualityBox")),
            d->findChild<QLabel*>(QStringLiteral("qualityLabel")),
            buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr,
            buttons ? buttons->button(QDialogButtonBox::Cancel) : nullptr};
}

// The dialog's controls; nothing, with the test failed and the dialog
// closed, when one is missing.
std::optional<Controls> ControlsOf(QDialog* d) {
    const Controls c = Find(d);
    if (c.compressor && c.slider && c.number && c.label && c.ok && c.cancel) return c;
    ADD_FAILURE() << "controls missing";
    d->reject();
    return std::nullopt;
}

TEST(QtVideoCompression, MotionJpegChosenWithItsQuality) {
    QtVideoCompression service;
    QStringList items;
    QString title, okText, cancelText;
    bool qualityAtFirst = true, qualityAfter = false;
    int sliderAfter = 0;
    WhenShown<QDialog>([&](QDialog* d) {
        const std::optional<Controls> found = ControlsOf(d);
        if (!found) return;
        const Controls& c = *found;
        title = d->windowTitle();
        for (int i = 0; i < c.compressor->count(); ++i) items << c.compressor->itemText(i);
        okText = c.ok->text();
        cancelText = c.cancel->text();
        qualityAtFirst = c.slider->isEnabled() || c.number->isEnabled();
        d->grab().save(RunFile(QStringLiteral("vexilon_video_compression.png")));
        c.compressor->setFocus();
        QTest::keyClick(c.compressor, Qt::Key_Down);
        qualityAfter = c.slider->isEnabled() && c.number->isEnabled() && c.label->isEnabled();
        c.number->setFocus();
        c.number->selectAll();
        QTest::keyClicks(c.number, QStringLiteral("60"));
        sliderAfter = c.slider->value();
        d->grab().save(RunFile(QStringLiteral("vexilon_video_compression_jpeg.png")));
        QTest::mouseClick(c.ok, Qt::LeftButton);
    }, QStringLiteral("videoCompression"));
    const std::optional<VideoCompression> chosen = service.ChooseCompression({});
    EXPECT_EQ(title, QString::fromUtf8("视频压缩"));
    EXPECT_EQ(items, (QStringList{QString::fromUtf8("未压缩"), QStringLiteral("Motion JPEG")}));
    EXPECT_EQ(okText, QString::fromUtf8("确定"));
    EXPECT_EQ(cancelText, QString::fromUtf8("取消"));
    EXPECT_FALSE(qualityAtFirst);
    EXPECT_TRUE(qualityAfter);
    EXPECT_EQ(sliderAfter, 60);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (VideoCompression{VideoCodec::MotionJpeg, 60}));
}

// The slider's handle, where a user grabs it.
QPoint SliderHandle(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.upsideDown = slider->invertedAppearance();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

// Moving the slider, by keys or by dragging its handle, sets the number box
// and the quality "确定" returns.
TEST(QtVideoCompression, TheSliderSetsTheQuality) {
    enum class Move { Keys, DragToRightEnd, DragToLeftEnd };
    const struct {
        const char* what;
        Move move;
        std::vector<Qt::Key> keys;
        int quality;
    } cases[] = {
        {"one step right", Move::Keys, {Qt::Key_Right}, 31},
        {"one step left", Move::Keys, {Qt::Key_Left}, 29},
        {"a page up, then one step", Move::Keys, {Qt::Key_PageUp, Qt::Key_Right}, 41},
        {"to the end", Move::Keys, {Qt::Key_End}, 100},
        {"to the start", Move::Keys, {Qt::Key_Home}, 1},
        {"dragged to the right end", Move::DragToRightEnd, {}, 100},
        {"dragged to the left end", Move::DragToLeftEnd, {}, 1},
    };
    QtVideoCompression service;
    VideoCompressionRequest request;
    request.offered = {VideoCodec::MotionJpeg, 30};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int numberAfter = -1;
        WhenShown<QDialog>([&](QDialog* d) {
            const std::optional<Controls> found = ControlsOf(d);
            if (!found) return;
            const Controls& k = *found;
            if (c.move == Move::Keys) {
                k.slider->setFocus();
                for (const Qt::Key key : c.keys) QTest::keyClick(k.slider, key);
            } else {
                const QPoint from = SliderHandle(k.slider);
                const QPoint to(c.move == Move::DragToRightEnd ? k.slider->width() + 40 : -40, from.y());
                QTest::mousePress(k.slider, Qt::LeftButton, Qt::NoModifier, from);
                for (int step = 1; step <= 4; ++step) QTest::mouseMove(k.slider, from + (to - from) * step / 4);
                QTest::mouseRelease(k.slider, Qt::LeftButton, Qt::NoModifier, to);
            }
            numberAfter = k.number->value();
            QTest::mouseClick(k.ok, Qt::LeftButton);
        }, QStringLiteral("videoCompression"));
        const std::optional<VideoCompression> chosen = service.ChooseCompression(request);
        EXPECT_EQ(numberAfter, c.quality);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(*chosen, (VideoCompression{VideoCodec::MotionJpeg, c.quality}));
    }
}

// The offered choice is what the dialog shows; "确定" at once takes it,
// "取消" and Escape cancel; the owner window parents the dialog.
TEST(QtVideoCompression, OfferedChoiceCancelAndOwner) {
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QtVideoCompression service;
    VideoCompressionRequest request;
    request.offered = {VideoCodec::MotionJpeg, 30};
    request.owner = static_cast<std::int32_t>(owner.winId());

    enum class Act { Ok, Cancel, Escape };
    for (const Act act : {Act::Ok, Act::Cancel, Act::Escape}) {
        SCOPED_TRACE(static_cast<int>(act));
        int shown = -1, quality = -1;
        bool owned = false;
        WhenShown<QDialog>([&](QDialog* d) {
            const std::optional<Controls> found = ControlsOf(d);
            if (!found) return;
            const Controls& c = *found;
            shown = c.compressor->currentIndex();
            quality = c.number->value();
            owned = d->parentWidget() == &owner;
            if (act == Act::Ok) QTest::mouseClick(c.ok, Qt::LeftButton);
            if (act == Act::Cancel) QTest::mouseClick(c.cancel, Qt::LeftButton);
            if (act == Act::Escape) QTest::keyClick(d, Qt::Key_Escape);
        }, QStringLiteral("videoCompression"));
        const std::optional<VideoCompression> chosen = service.ChooseCompression(request);
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(quality, 30);
        EXPECT_TRUE(owned);
        EXPECT_EQ(chosen.has_value(), act == Act::Ok);
        if (chosen) {
            EXPECT_EQ(*chosen, request.offered);
        }
    }
}

// Without a service installed the export takes the offered choice.
TEST(QtVideoCompression, TheDefaultServiceTakesTheOfferedChoice) {
    VideoCompressionRequest request;
    request.offered = {VideoCodec::MotionJpeg, 42};
    EXPECT_EQ(VideoCompressions().ChooseCompression(request), request.offered);
}

} // namespace
