#include "scene/TextureCache.h"

#include "graph/Cls9.h"
#include "scene/Cls15.h"
#include "scene/Cls8.h"

#include <GL/gl.h>

#include <map>
#include <set>

namespace {

// File name -> texture name in the current context.
std::map<std::string, GLuint>& Cache() {
    static std::map<std::string, GLuint> cache;
    return cache;
}

// Loads the file into a new texture, left bound; 0 when it does not load.
GLuint Load(const std::string& fileName) {
    Cls15 loader;
    if (!loader.LoadGLTextures(fileName)) return 0;
    Cache()[fileName] = loader.TextureName;
    return loader.TextureName;
}

} // namespace

bool DrawsTexture(const Cls9& graph) {
    switch (graph.GraphType) {
    case GraphType::Surface3D:
    case GraphType::Table3D:
    case GraphType::Surface3DAnimation:
    case GraphType::RevolutionX:
    case GraphType::RevolutionY: return graph.ShowTex;
    default: return false;
    }
}

void UploadSceneTextures(const Cls8& scene) {
    std::set<std::string> used;
    for (const auto& e : scene.FunSurfs)
        if (e.graph && DrawsTexture(*e.graph)) used.insert(e.graph->TexName);
    auto& cache = Cache();
    for (auto it = cache.begin(); it != cache.end();) {
        if (used.count(it->first) != 0) {
            ++it;
            continue;
        }
        glDeleteTextures(1, &it->second);
        it = cache.erase(it);
    }
    bool loaded = false;
    for (const std::string& name : used)
        if (cache.count(name) == 0) loaded = Load(name) != 0 || loaded;
    if (loaded) glBindTexture(GL_TEXTURE_2D, 0);
}

bool BindCachedTexture(const std::string& fileName) {
    const auto it = Cache().find(fileName);
    if (it != Cache().end()) {
        glBindTexture(GL_TEXTURE_2D, it->second);
        return true;
    }
    GLint compiling = 0;
    glGetIntegerv(GL_LIST_INDEX, &compiling);
    if (compiling != 0) return false;
    return Load(fileName) != 0;
}

std::uint32_t CachedTextureName(const std::string& fileName) {
    const auto it = Cache().find(fileName);
    return it == Cache().end() ? 0 : it->second;
}

void ReleaseTextures() {
    for (const auto& [file, name] : Cache()) glDeleteTextures(1, &name);
    ForgetTextures();
}

void ForgetTextures() { Cache().clear(); }
