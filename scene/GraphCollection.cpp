#include "scene/GraphCollection.h"

#include "core/Errors.h"

namespace {
[[noreturn]] void RaiseUnknownKey() { throw RaisedError(5, "无效的过程调用或参数"); }
} // namespace

std::vector<GraphCollection::Entry>::const_iterator GraphCollection::Find(const std::string& key) const {
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->key == key) return it;
    return entries_.end();
}

void GraphCollection::Add(std::shared_ptr<Cls9> graph, const std::string& key) {
    if (Contains(key)) throw RaisedError(457, "此键已经与该集合的一个元素相关联");
    entries_.push_back({key, std::move(graph)});
    keys_.insert(key);
}

void GraphCollection::Remove(const std::string& key) {
    const auto it = Find(key);
    if (it == entries_.end()) RaiseUnknownKey();
    keys_.erase(key);
    entries_.erase(it);
}

void GraphCollection::Remove(std::int64_t index) {
    if (index < 1 || index > Count()) RaiseSubscriptError();
    keys_.erase(entries_[static_cast<std::size_t>(index - 1)].key);
    entries_.erase(entries_.begin() + (index - 1));
}

const std::shared_ptr<Cls9>& GraphCollection::Item(std::int64_t index) const {
    if (index < 1 || index > Count()) RaiseSubscriptError();
    return entries_[static_cast<std::size_t>(index - 1)].graph;
}

const std::shared_ptr<Cls9>& GraphCollection::Item(const std::string& key) const {
    const auto it = Find(key);
    if (it == entries_.end()) RaiseUnknownKey();
    return it->graph;
}
