#include "platform/QtVideoCompression.h"

#include "platform/OwnerWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The compressors in list order.
const VideoCodec Codecs[] = {VideoCodec::Uncompressed, VideoCodec::MotionJpeg};

} // namespace

std::optional<VideoCompression> QtVideoCompression::ChooseCompression(const VideoCompressionRequest& request) {
    QWidget* parent = OwnerWindow(request.owner, parent_);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("videoCompression"));
    dialog.setWindowTitle(QString::fromUtf8("视频压缩"));

    auto* compressor = new QComboBox(&dialog);
    compressor->setObjectName(QStringLiteral("compressorList"));
    compressor->addItem(QString::fromUtf8("未压缩"));
    compressor->addItem(QStringLiteral("Motion JPEG"));

    auto* slider = new QSlider(Qt::Horizontal, &dialog);
    slider->setObjectName(QStringLiteral("qualitySlider"));
    slider->setRange(1, 100);
    slider->setPageStep(10);
    auto* number = new QSpinBox(&dialog);
    number->setObjectName(QStringLiteral("qualityBox"));
    number->setRange(1, 100);
    QObject::connect(slider, &QSlider::valueChanged, number, &QSpinBox::setValue);
    QObject::connect(number, &QSpinBox::valueChanged, slider, &QSlider::setValue);
    auto* qualityRow = new QHBoxLayout;
    qualityRow->addWidget(slider, 1);
    qualityRow->addWidget(number);
    auto* qualityLabel = new QLabel(QString::fromUtf8("压缩质量:"), &dialog);
    qualityLabel->setObjectName(QStringLiteral("qualityLabel"));

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("压缩程序:"), compressor);
    form->addRow(qualityLabel, qualityRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(320);

    // The quality belongs to Motion JPEG alone.
    const auto showQuality = [=](int row) {
        const bool jpeg = row >= 0 && Codecs[row] == VideoCodec::MotionJpeg;
        qualityLabel->setEnabled(jpeg);
        slider->setEnabled(jpeg);
        number->setEnabled(jpeg);
    };
    QObject::connect(compressor, &QComboBox::currentIndexChanged, &dialog, showQuality);
    const auto offered = std::find(std::begin(Codecs), std::end(Codecs), request.offered.Codec);
    compressor->setCurrentIndex(offered == std::end(Codecs) ? 0 : static_cast<int>(offered - std::begin(Codecs)));
    number->setValue(std::clamp(request.offered.Quality, 1, 100));
    showQuality(compressor->currentIndex());

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    VideoCompression chosen;
    chosen.Codec = Codecs[std::max(compressor->currentIndex(), 0)];
    chosen.Quality = number->value();
    return chosen;
}
