#pragma once
// The compression dialog of the video export as a real modal Qt dialog
// "视频压缩": the compressor list "压缩程序" ("未压缩", "Motion JPEG") and, for
// Motion JPEG, the quality "压缩质量" (1 to 100) as a slider with its number;
// "确定" takes the choice, "取消" (or closing the dialog) cancels.
#include "core/VideoService.h"

class QWidget;

class QtVideoCompression : public VideoCompressionService {
public:
    explicit QtVideoCompression(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    // The request's owner (a native window id) parents the dialog when it is
    // a window of this program; else the service's parent does.
    std::optional<VideoCompression> ChooseCompression(const VideoCompressionRequest& request) override;

private:
    QWidget* parent_;
};
