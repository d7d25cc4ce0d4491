#pragma once
// The graphs of a scene: an ordered collection keyed by GraphKey, items
// counted from 1 in the order they were added. The graphs are shared with the
// other scene and with the dialogs.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class Cls9;

class GraphCollection {
public:
    struct Entry {
        std::string key;
        std::shared_ptr<Cls9> graph;
    };

    // Appends a graph under `key`; a key already present raises error 457.
    void Add(std::shared_ptr<Cls9> graph, const std::string& key);
    // Removes by key (unknown key: error 5) or by position 1..Count (else error 9).
    void Remove(const std::string& key);
    void Remove(std::int64_t index);
    // The graph at position 1..Count (else error 9), or under a key (else error 5).
    const std::shared_ptr<Cls9>& Item(std::int64_t index) const;
    const std::shared_ptr<Cls9>& Item(const std::string& key) const;
    // Whether a graph is held under `key`, at once whatever the count.
    bool Contains(const std::string& key) const { return keys_.count(key) != 0; }
    std::int64_t Count() const { return static_cast<std::int64_t>(entries_.size()); }
    void Clear() {
        entries_.clear();
        keys_.clear();
    }

    std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
    std::vector<Entry>::const_iterator end() const { return entries_.end(); }

private:
    std::vector<Entry>::const_iterator Find(const std::string& key) const;
    std::vector<Entry> entries_;
    // The keys of entries_, so that adding the rows of a document of many
    // graphs one by one does not search the whole list for each.
    std::unordered_set<std::string> keys_;
};
