#include "tests/document/LargeDocuments.h"

#include "document/DocumentContainer.h"
#include "graph/GraphEnums.h"
#include "tests/document/SampleDocuments.h"

std::shared_ptr<Cls9> LargestDistinctTable(std::int32_t id, std::int32_t rows, std::int32_t columns) {
    auto t = FilledGraph(id, GraphType::Table3D, 0, 0);
    t->NameS = "最大的 表";
    t->StepU = rows - 1;
    t->StepV = columns - 1;
    int k = 0;
    for (std::int32_t i = 0; i < rows; ++i)
        for (std::int32_t j = 0; j < columns; ++j) {
            Cls2& p = t->VertTab3D(i, j);
            // Distinct values, most of them needing every digit of a float.
            p.x = static_cast<float>(k++) / 7.0f - 8000.0f;
            p.y = static_cast<float>(k++) / 7.0f - 8000.0f;
            p.z = static_cast<float>(k++) / 7.0f - 8000.0f;
        }
    return t;
}

std::vector<std::shared_ptr<Cls9>> MixedPlaneGraphs(int count) {
    std::vector<std::shared_ptr<Cls9>> graphs;
    for (int id = 1; id <= count; ++id) {
        std::shared_ptr<Cls9> g;
        switch (id % 6) {
        case 0: g = FilledGraph(id, GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Explicit); break;
        case 1:
            g = FilledGraph(id, GraphType::Function2DAnimation, CoordType::PlaneCartesian, FunForm::Parametric);
            g->Animation = true;
            g->MinT = -0.5f * static_cast<float>(id);
            g->MaxT = 0.25f * static_cast<float>(id);
            break;
        case 2: g = FilledGraph(id, GraphType::ODE, CoordType::PlaneCartesian, FunForm::Explicit); break;
        case 3: g = FilledGraph(id, GraphType::Limit, CoordType::PlaneCartesian, FunForm::Explicit); break;
        case 4: g = FilledGraph(id, GraphType::Series, CoordType::PlaneCartesian, FunForm::Explicit); break;
        default:
            g = FilledGraph(id, GraphType::Table2D, 0, 0);
            g->StepU = 1;
            g->StepV = 9;
            for (int j = 0; j <= 9; ++j) {
                g->VertTab3D(0, j).x = static_cast<float>(id) + 0.125f * static_cast<float>(j);
                g->VertTab3D(0, j).y = static_cast<float>(id * j) / 3.0f;
            }
            break;
        }
        g->NameS = "graph " + std::to_string(id);
        graphs.push_back(std::move(g));
    }
    return graphs;
}

std::vector<std::shared_ptr<Cls9>> ManyPoints(int count) {
    std::vector<std::shared_ptr<Cls9>> graphs;
    graphs.reserve(std::size_t(count));
    for (int id = 1; id <= count; ++id) {
        std::string x = std::to_string(id % 200 - 100);
        x += "/10";
        std::string y = std::to_string(id / 200 - 25);
        y += "/5";
        std::string name = std::to_string(id);
        name.insert(0, 1, 'P');
        graphs.push_back(Cls9::Init(id, name, GraphType::Point, CoordType::PlaneCartesian, x, y,
                                    "0", 1, 1, 0, 0, 0, 0, FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface,
                                    Smoothness::Smooth));
    }
    return graphs;
}

std::vector<LargeDocument> LargeDocuments() {
    return {
        {"table of 201 by 201", 3, {LargestDistinctTable(1)}},
        {"60 graphs", 1, MixedPlaneGraphs(60)},
    };
}

LargeDocument ManyGraphsDocument() { return {"10,001 points", 1, ManyPoints(10001)}; }

std::vector<HostileDocument> LargeHostileDocuments() {
    constexpr std::size_t kBytes = 4 * 1024 * 1024;
    const auto repeated = [](std::string text, const std::string& unit) {
        while (text.size() < kBytes) text += unit;
        return text;
    };
    std::string noise(kBytes, '\0');
    std::uint32_t state = 12345;
    for (char& c : noise) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    return {
        {"blanks after the count", FrameDocumentText("S71 1" + std::string(kBytes, ' '))},
        {"one-letter tokens", FrameDocumentText(repeated("S71 1 ", "x "))},
        {"zeros under a count of 9000", FrameDocumentText(repeated("S71 9000 ", "0 "))},
        {"zeros under a count of two million", FrameDocumentText(repeated("S71 2000000 ", "0 "))},
        {"random bytes", FrameDocumentText(noise)},
        {"NUL bytes", FrameDocumentText(std::string(kBytes, '\0'))},
    };
}
