#pragma once
// The item tree: typed, named views onto positions of a frame buffer.
//
// An item holds no value. It knows where its bytes start and end inside the frame buffer of the
// record it belongs to; reading a field reads those bytes, writing a field writes them. Building
// the tree lays the items out one after the other in construction order, which is wire order.

#include "protocol/simple_list.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

class CComposite_item;

// Reports a record layout that cannot be right (an item past its buffer, a bit past its field)
// and stops: carrying on would read or write outside the buffer.
[[noreturn]] void layout_defect(std::string_view item, std::string_view what);

class CItem {
public:
    CItem(const CItem &) = delete;
    CItem &operator=(const CItem &) = delete;
    virtual ~CItem() = default;

    // Number of bytes the item occupies on the wire.
    virtual std::size_t size() const = 0;
    // Lays the item out from `position`; returns the new end.
    virtual std::byte *place(std::byte *position) = 0;

    std::byte *start() const { return m_start; }
    std::byte *end() const { return m_end; }
    void set_end(std::byte *position) { m_end = position; }
    CComposite_item *parent() const { return m_parent; }
    const std::string &name() const { return m_name; }

    // Same name, same parent and the same place in the buffer.
    bool equals(const CItem &other) const;

protected:
    CItem(CComposite_item *parent, std::string_view name);

    // Child construction: join the parent's list, take the place at the parent's current end and
    // push that end (and the ends of all ancestors) forward.
    void attach();
    // For views onto bytes the parent already occupies (bit pointers): join the parent's list and
    // take the parent's own place without adding width.
    void attach_inside();

    std::byte *m_start = nullptr;
    std::byte *m_end = nullptr;

private:
    std::string m_name;
    CComposite_item *m_parent;
};

// A leaf: its width is fixed by its type.
class CScalar_item : public CItem {
public:
    std::byte *place(std::byte *position) override;

protected:
    using CItem::CItem;
};

class CComposite_item : public CItem {
public:
    // Root form, used for records: starts and ends at `position`, has no parent.
    CComposite_item(std::byte *position, std::string_view name);
    // Child form: placed at the parent's current end, empty until its children are created.
    CComposite_item(CComposite_item *parent, std::string_view name);
    ~CComposite_item() override;

    std::size_t size() const override;
    std::byte *place(std::byte *position) override;

    // Ownership of `item` passes to this composite.
    void add(CItem *item);
    // Deletes `item` (and everything under it) and takes it out of the list.
    void remove(CItem *item);
    // Deletes every child, in list order.
    void remove_all();

    // Children that take part in layout, in wire order.
    std::size_t child_count() const { return m_children.in_use(); }
    CItem &child(std::size_t index) const { return *m_children[index]; }

    // Moves this composite's end, and that of every ancestor, to `position`. Aborts when a layout
    // would reach past the end of the buffer of its record: that is a layout defect, and writing
    // the defaults would corrupt memory.
    void grow_to(std::byte *position);

protected:
    // End of the buffer a root composite is laid over; null when it does not know.
    virtual const std::byte *limit() const { return nullptr; }

    TA_simple_list<std::unique_ptr<CItem>> &children() { return m_children; }
    const TA_simple_list<std::unique_ptr<CItem>> &children() const { return m_children; }

private:
    TA_simple_list<std::unique_ptr<CItem>> m_children;
};
