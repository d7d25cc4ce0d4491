#include "core/VideoService.h"

namespace {

class NoVideos : public VideoService {
public:
    std::unique_ptr<VideoFile> Create(const std::string&, const VideoFormat&) override { return nullptr; }
};

class OfferedCompression : public VideoCompressionService {
public:
    std::optional<VideoCompression> ChooseCompression(const VideoCompressionRequest& request) override {
        return request.offered;
    }
};

NoVideos none;
VideoService* current = &none;
OfferedCompression offered;
VideoCompressionService* currentCompression = &offered;

} // namespace

VideoService& Videos() { return *current; }
void SetVideoService(VideoService* service) { current = service ? service : &none; }

VideoCompressionService& VideoCompressions() { return *currentCompression; }
void SetVideoCompressionService(VideoCompressionService* service) {
    currentCompression = service ? service : &offered;
}
