#pragma once
// The frame files of a video recording: "Graph" + n + ".bmp" (24-bit BMP, as
// WriteBmpFile writes them) for recorded frame n, in a folder of this run
// that is made at the first use and removed with everything in it when the
// program ends. The recording writes them (frmF1::RecordShownFrame through
// frmF23), the export reads them back and deletes them.
#include <cstdint>
#include <string>

// True from "生成帧" until the frame FrameCount is recorded (or a frame file
// cannot be written, or the export dialog is closed).
extern bool RecordingFrames;
// The number of the last frame file written by the recording.
extern std::int32_t RecordedFrameCount;

// The folder of the frame files (made on first use); empty when no folder
// could be made, so that every frame file fails to write.
const std::string& FrameFolder();
// The file of the frame named `frame` (a list entry's text: "3", or "" for an
// entry made with nothing selected).
std::string FrameFilePath(const std::string& frame);
std::string FrameFilePath(std::int32_t n);
// Deletes the frame files 1..count; a file that is not there is skipped.
void DeleteFrameFiles(std::int32_t count);

// The frame rate of the video for the text of the speed box: its number
// rounded (a half to the even neighbour), at least 1 and at most 30; a text
// without a number gives 1, a number beyond 32 bits 30 (1 when negative).
std::int32_t VideoFrameRate(const std::string& text);
