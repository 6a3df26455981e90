#pragma once

#include "core/Dependent.h"
#include "core/Model.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// Follows a model for a test and writes down what it hears, in order: each aspect, and null for a
// whole refresh. It leaves the model when it goes, which ends a model that its last dependent keeps.
class Listener : public Dependent {
public:
    explicit Listener(Model* model = nullptr) { follow(model); }
    ~Listener() override { setModel(nullptr); }

    // Moves to model and forgets what it heard, the re-read of the move included.
    void follow(Model* model)
    {
        setModel(model);
        clear();
    }
    void clear() { m_heard.clear(); }

    const std::vector<const Aspect*>& heard() const { return m_heard; }
    // What was heard by name, a whole refresh as "update".
    std::vector<std::string> names() const
    {
        std::vector<std::string> names;
        for (const Aspect* aspect : m_heard)
            names.push_back(aspect ? aspect->name() : "update");
        return names;
    }
    int count() const { return int(m_heard.size()); }
    int count(const Aspect* aspect) const { return int(std::count(m_heard.begin(), m_heard.end(), aspect)); }

    // Runs after each notification is written down, for what a test records besides.
    std::function<void(const Aspect*)> onUpdate;

    void update() override { hear(nullptr); }
    void update(const Aspect* aspect) override { hear(aspect); }

private:
    void hear(const Aspect* aspect)
    {
        m_heard.push_back(aspect);
        if (onUpdate)
            onUpdate(aspect);
    }

    std::vector<const Aspect*> m_heard;
};
