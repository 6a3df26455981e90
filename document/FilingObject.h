#pragma once

#include "core/Model.h"

#include <string>

// What a document is as a file: its title and whether it has changes that are not saved.
class FilingObject : public Model {
public:
    const std::string& title() const { return m_title; }
    void setTitle(const std::string& title) { m_title = title; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    void* valueFor(const Aspect* aspect) override;

private:
    std::string m_title;
    bool m_modified = false;
};
