#pragma once
// A sample document built as a user makes it in a freshly started program:
// the New command of its kind, the animation options and the axes dialog it
// needs, then each graph through its dialog's OK (the next ID, sampled as the
// new path samples it), and the fields the drawing writes back; the document
// text is what Save writes for it.
#include "scene/Cls3.h"
#include "scene/Cls8.h"
#include "tools/mksamples/SampleContent.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A sample that cannot be built: its file and why.
class SampleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The graphs of a sample as their dialogs' OKs build them, unsampled and
// without IDs. Throws SampleError when a dialog would refuse its boxes, or
// when a graph comes from a dialog that makes another kind of document.
std::vector<std::shared_ptr<Cls9>> BuildSampleGraphs(const SampleFile& file);

// The document text of a sample. Resets the program-wide state first and
// leaves it as the document's (DocumentKind, FrameCount, Axes ...). Throws
// SampleError when a graph does not sample or has no row label in its
// document kind.
std::string ComposeSampleText(const SampleFile& file);

// The limits of a sample document, which keep the samples small: the short
// frame's 65,535 bytes, and fewer than 5000 tokens.
inline constexpr std::size_t MaxSampleTokens = 4999;
// Why a sample's document text is refused (its byte count or its token
// count), or nothing when it fits both limits.
std::optional<std::string> SampleTextRefusal(const std::string& text);
