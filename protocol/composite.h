#pragma once
// Composite items: three-component vectors and arrays of like elements.

#include "protocol/invalid.h"
#include "protocol/scalar.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

// Three numbers of type T with fixed component names.
template <class T>
class TTriple : public CComposite_item {
public:
    TScalar<T> &component(std::size_t index) { return *m_components[index]; }
    const TScalar<T> &component(std::size_t index) const { return *m_components[index]; }

protected:
    TTriple(CComposite_item *parent, std::string_view name,
            const std::array<std::string_view, 3> &component_names, T first, T second, T third)
        : CComposite_item(parent, name),
          m_components{new TScalar<T>(this, component_names[0], first),
                       new TScalar<T>(this, component_names[1], second),
                       new TScalar<T>(this, component_names[2], third)}
    {}

private:
    std::array<TScalar<T> *, 3> m_components;
};

template <class T>
class TLat_lon_alt : public TTriple<T> {
public:
    TLat_lon_alt(CComposite_item *parent, std::string_view name, T latitude = CInvalid::of<T>(),
                 T longitude = CInvalid::of<T>(), T altitude = CInvalid::of<T>())
        : TTriple<T>(parent, name,
                     {"Latitude Component", "Longitude Component", "Altitude Component"}, latitude,
                     longitude, altitude)
    {}
    TScalar<T> &latitude() { return this->component(0); }
    TScalar<T> &longitude() { return this->component(1); }
    TScalar<T> &altitude() { return this->component(2); }
};

template <class T>
class TNed : public TTriple<T> {
public:
    TNed(CComposite_item *parent, std::string_view name, T north = CInvalid::of<T>(),
         T east = CInvalid::of<T>(), T down = CInvalid::of<T>())
        : TTriple<T>(parent, name, {"North Component", "East Component", "Down Component"}, north,
                     east, down)
    {}
    TScalar<T> &north() { return this->component(0); }
    TScalar<T> &east() { return this->component(1); }
    TScalar<T> &down() { return this->component(2); }
};

template <class T>
class TRph : public TTriple<T> {
public:
    TRph(CComposite_item *parent, std::string_view name, T roll = CInvalid::of<T>(),
         T pitch = CInvalid::of<T>(), T heading = CInvalid::of<T>())
        : TTriple<T>(parent, name, {"Roll Component", "Pitch Component", "Heading Component"}, roll,
                     pitch, heading)
    {}
    TScalar<T> &roll() { return this->component(0); }
    TScalar<T> &pitch() { return this->component(1); }
    TScalar<T> &heading() { return this->component(2); }
};

template <class T>
class TLon_tra_dwn : public TTriple<T> {
public:
    TLon_tra_dwn(CComposite_item *parent, std::string_view name, T longitudinal = CInvalid::of<T>(),
                 T transverse = CInvalid::of<T>(), T down = CInvalid::of<T>())
        : TTriple<T>(parent, name,
                     {"Longitudinal Component", "Transverse Component", "Down Component"},
                     longitudinal, transverse, down)
    {}
    TScalar<T> &longitudinal() { return this->component(0); }
    TScalar<T> &transverse() { return this->component(1); }
    TScalar<T> &down() { return this->component(2); }
};

template <class T>
class TLt_xt_dn : public TTriple<T> {
public:
    TLt_xt_dn(CComposite_item *parent, std::string_view name, T along = CInvalid::of<T>(),
              T across = CInvalid::of<T>(), T down = CInvalid::of<T>())
        : TTriple<T>(parent, name,
                     {"Along Track Component", "Across Track Component", "Down Component"}, along,
                     across, down)
    {}
    TScalar<T> &along_track() { return this->component(0); }
    TScalar<T> &across_track() { return this->component(1); }
    TScalar<T> &down() { return this->component(2); }
};

template <class T>
class TXyz : public TTriple<T> {
public:
    TXyz(CComposite_item *parent, std::string_view name, T x = CInvalid::of<T>(),
         T y = CInvalid::of<T>(), T z = CInvalid::of<T>())
        : TTriple<T>(parent, name, {"X Component", "Y Component", "Z Component"}, x, y, z)
    {}
    TScalar<T> &x() { return this->component(0); }
    TScalar<T> &y() { return this->component(1); }
    TScalar<T> &z() { return this->component(2); }
};

// `capacity` elements of type E named "<name> <index>". Built at full size; `set_count` hides
// trailing elements so that a variable-length array takes only the room its count says once the
// record is laid out again.
template <class E>
class CItem_array : public CComposite_item {
public:
    // `element_arguments` follow the name in each element's child constructor.
    template <class... Arguments>
    CItem_array(CComposite_item *parent, std::string_view name, std::size_t capacity,
                const Arguments &...element_arguments)
        : CComposite_item(parent, name)
    {
        const std::string prefix = std::string(name) + " ";
        for (std::size_t index = 0; index < capacity; ++index) {
            new E(this, prefix + std::to_string(index), element_arguments...);
        }
    }

    E &operator[](std::size_t index) { return static_cast<E &>(*children()[index]); }
    const E &operator[](std::size_t index) const
    {
        return static_cast<const E &>(*children()[index]);
    }

    std::size_t capacity() const { return children().count(); }
    std::size_t count() const { return children().in_use(); }
    // Returns the count applied, never more than the capacity. The caller lays the record out
    // again afterwards.
    std::size_t set_count(std::size_t count) { return children().set_in_use(count); }
};
