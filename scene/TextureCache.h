#pragma once
// The textures of the textured surfaces: each picture file is loaded and
// uploaded once into the current GL context, and the display lists only bind
// the cached texture. (Inside a list being compiled an upload would only be
// recorded, and replayed at every redraw.)
#include <cstdint>
#include <string>

class Cls8;
class Cls9;

// Whether the graph's drawing shows a texture: a surface kind drawn as quads
// (2, 6, 12, 21, 22) with ShowTex on.
bool DrawsTexture(const Cls9& graph);

// Uploads the texture of every file name the scene's textured graphs use and
// that is not cached yet, and deletes the cached textures none of them uses.
// A file that does not load is not cached, so it is tried again at the next
// pass. Runs before the lists are compiled, with the context current.
void UploadSceneTextures(const Cls8& scene);

// Binds the cached texture of the file. When the file has none and no display
// list is being compiled, loads and caches it first. True when a texture is
// bound.
bool BindCachedTexture(const std::string& fileName);

// The cached texture name of the file, 0 when it has none.
std::uint32_t CachedTextureName(const std::string& fileName);

// Deletes every cached texture (the context current) and empties the cache.
void ReleaseTextures();
// Empties the cache without touching GL, for a context that is already gone.
void ForgetTextures();
