#include "core/VideoService.h"

namespace {

class NoVideos : public VideoService {
public:
    std::unique_ptr<VideoFile> Create(const std::string&, const VideoFormat&) override { return nullptr; }
};

NoVideos none;
VideoService* current = &none;

} // namespace

VideoService& Videos() { return *current; }
void SetVideoService(VideoService* service) { current = service ? service : &none; }
