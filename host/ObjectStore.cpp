#include "ObjectStore.h"

#include <limits>

#include "Host.h"

namespace host {

void ObjectStore::add(GeoObject object) {
  if (object.id <= 0) throw HostError("Objekt-ID " + std::to_string(object.id) + " ist nicht größer als 0");
  if (objects_.count(object.id) != 0)
    throw HostError("Objekt-ID " + std::to_string(object.id) + " kommt doppelt vor");
  if (idsByKennung_.count(object.kennung) != 0)
    throw HostError("Kennung '" + object.kennung + "' kommt doppelt vor");
  idsByKennung_[object.kennung] = object.id;
  const std::int32_t id = object.id;
  index_.added(objects_.emplace(id, std::move(object)).first->second);
}

bool ObjectStore::remove(std::int32_t id) {
  auto it = objects_.find(id);
  if (it == objects_.end()) return false;
  idsByKennung_.erase(it->second.kennung);
  objects_.erase(it);
  index_.removed(id);
  return true;
}

const GeoObject* ObjectStore::find(std::int32_t id) const {
  auto it = objects_.find(id);
  return it == objects_.end() ? nullptr : &it->second;
}

const GeoObject* ObjectStore::findByKennung(const std::string& kennung) const {
  auto it = idsByKennung_.find(kennung);
  return it == idsByKennung_.end() ? nullptr : find(it->second);
}

std::vector<std::int32_t> ObjectStore::candidatesNear(const GeosContext& geos, const Geometry& area) const {
  if (!index_.built() || index_.worthRebuilding()) index_.rebuild(geos, objects_);
  return index_.candidates(area);
}

std::int32_t ObjectStore::nextFreeId() const {
  if (objects_.empty()) return 1;
  const std::int32_t largest = objects_.rbegin()->first;
  if (largest < std::numeric_limits<std::int32_t>::max()) return largest + 1;
  // The largest id is taken: the first gap from 1 on, which some id below it must leave.
  std::int32_t candidate = 1;
  for (const auto& [id, object] : objects_) {
    if (id != candidate) return candidate;
    ++candidate;
  }
  throw HostError("Es gibt keine freie Objekt-Id mehr.");
}

}  // namespace host
