#include "protocol/item_base.h"

#include <cstdio>
#include <cstdlib>

void layout_defect(std::string_view item, std::string_view what)
{
    std::fprintf(stderr, "layout of \"%.*s\" %.*s\n", static_cast<int>(item.size()), item.data(),
                 static_cast<int>(what.size()), what.data());
    std::abort();
}

CItem::CItem(CComposite_item *parent, std::string_view name) : m_name(name), m_parent(parent) {}

bool CItem::equals(const CItem &other) const
{
    return m_name == other.m_name && m_parent == other.m_parent && m_start == other.m_start &&
           m_end == other.m_end;
}

void CItem::attach()
{
    m_parent->add(this);
    place(m_parent->end());
    m_parent->grow_to(m_end);
}

void CItem::attach_inside()
{
    m_parent->add(this);
    place(m_parent->start());
}

std::byte *CScalar_item::place(std::byte *position)
{
    m_start = position;
    m_end = position + size();
    return m_end;
}

CComposite_item::CComposite_item(std::byte *position, std::string_view name) : CItem(nullptr, name)
{
    m_start = position;
    m_end = position;
}

CComposite_item::CComposite_item(CComposite_item *parent, std::string_view name)
    : CItem(parent, name)
{
    attach();
}

CComposite_item::~CComposite_item()
{
    remove_all();
}

std::size_t CComposite_item::size() const
{
    std::size_t total = 0;
    for (const auto &child : m_children.visible()) {
        total += child->size();
    }
    return total;
}

std::byte *CComposite_item::place(std::byte *position)
{
    m_start = position;
    for (auto &child : m_children.visible()) {
        position = child->place(position);
    }
    m_end = position;
    return m_end;
}

void CComposite_item::add(CItem *item)
{
    m_children.append(std::unique_ptr<CItem>(item));
}

void CComposite_item::remove(CItem *item)
{
    auto all = m_children.all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].get() == item) {
            m_children.erase_at(i);
            return;
        }
    }
}

void CComposite_item::remove_all()
{
    for (auto &child : m_children.all()) {
        child.reset();
    }
    m_children.clear();
}

void CComposite_item::grow_to(std::byte *position)
{
    m_end = position;
    if (parent() != nullptr) {
        parent()->grow_to(position);
        return;
    }
    const std::byte *buffer_end = limit();
    if (buffer_end != nullptr && position > buffer_end) {
        layout_defect(name(), "does not fit its buffer");
    }
}
