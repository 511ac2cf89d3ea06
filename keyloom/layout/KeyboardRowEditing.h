#pragma once

#include <concepts>
#include <cstddef>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

// Editing rows of keys (layout items or input set items) by key identity.
// Every operation that is given an item works on the item's rowId(): two
// items stand for the same key when their rowIds are equal, and the first
// match is the lowest position holding that key. Missing keys and row indices
// out of range change nothing.
namespace keyloom {

template <class T>
using RowIdOf = std::remove_cvref_t<decltype(std::declval<const T&>().rowId())>;

// Anything that stands in a row of keys.
template <class T>
concept KeyboardRowItem = requires(const T& item) { item.rowId(); } && std::equality_comparable<RowIdOf<T>>;

// Item forms exist only where an item is not its own id (for input set items
// the id form is the item form).
template <class T>
concept KeyboardRowItemWithSeparateId = KeyboardRowItem<T> && !std::same_as<RowIdOf<T>, T>;

template <class T>
using KeyRow = std::vector<T>;
template <class T>
using KeyRows = std::vector<std::vector<T>>;

// ---- One row ----

template <KeyboardRowItem T>
std::optional<std::size_t> indexOf(const KeyRow<T>& row, const RowIdOf<T>& id) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (row[i].rowId() == id) return i;
  }
  return std::nullopt;
}

// Inserts `item` right after the first match.
template <KeyboardRowItem T>
void insertAfter(KeyRow<T>& row, T item, const RowIdOf<T>& id) {
  if (auto i = indexOf(row, id)) row.insert(row.begin() + static_cast<std::ptrdiff_t>(*i + 1), std::move(item));
}

// Inserts `item` at the first match, before it.
template <KeyboardRowItem T>
void insertBefore(KeyRow<T>& row, T item, const RowIdOf<T>& id) {
  if (auto i = indexOf(row, id)) row.insert(row.begin() + static_cast<std::ptrdiff_t>(*i), std::move(item));
}

// Removes every match.
template <KeyboardRowItem T>
void remove(KeyRow<T>& row, const RowIdOf<T>& id) {
  const RowIdOf<T> key = id;  // `id` may live in the row itself
  std::erase_if(row, [&](const T& item) { return item.rowId() == key; });
}

// Puts `item` in the place of the first match; later matches stay.
template <KeyboardRowItem T>
void replace(KeyRow<T>& row, const RowIdOf<T>& id, T item) {
  if (auto i = indexOf(row, id)) row[*i] = std::move(item);
}

template <KeyboardRowItemWithSeparateId T>
std::optional<std::size_t> indexOf(const KeyRow<T>& row, const T& item) {
  return indexOf(row, item.rowId());
}

template <KeyboardRowItemWithSeparateId T>
void insertAfter(KeyRow<T>& row, T item, const T& after) {
  insertAfter(row, std::move(item), RowIdOf<T>(after.rowId()));
}

template <KeyboardRowItemWithSeparateId T>
void insertBefore(KeyRow<T>& row, T item, const T& before) {
  insertBefore(row, std::move(item), RowIdOf<T>(before.rowId()));
}

template <KeyboardRowItemWithSeparateId T>
void remove(KeyRow<T>& row, const T& item) {
  remove(row, RowIdOf<T>(item.rowId()));
}

// Puts `item` in the place of the first match of `old` and removes every
// other match. A new version of the same key (equal rowId) keeps its place.
template <KeyboardRowItemWithSeparateId T>
void replace(KeyRow<T>& row, const T& old, T item) {
  const RowIdOf<T> id = old.rowId();
  const auto first = indexOf(row, id);
  if (!first) return;
  KeyRow<T> result;
  result.reserve(row.size());
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i == *first) {
      result.push_back(std::move(item));
    } else if (!(row[i].rowId() == id)) {
      result.push_back(std::move(row[i]));
    }
  }
  row = std::move(result);
}

// ---- A list of rows ----

// The row at `index`; absent when out of range.
template <KeyboardRowItem T>
std::optional<KeyRow<T>> rowAt(const KeyRows<T>& rows, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return std::nullopt;
  return rows[static_cast<std::size_t>(index)];
}

namespace detail {
template <class T, class Edit>
void editRow(KeyRows<T>& rows, int index, Edit&& edit) {
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return;
  edit(rows[static_cast<std::size_t>(index)]);
}
}  // namespace detail

template <KeyboardRowItem T>
void insertAfter(KeyRows<T>& rows, const T& item, const RowIdOf<T>& id, int atRow) {
  detail::editRow(rows, atRow, [&](KeyRow<T>& row) { insertAfter(row, item, id); });
}

template <KeyboardRowItem T>
void insertBefore(KeyRows<T>& rows, const T& item, const RowIdOf<T>& id, int atRow) {
  detail::editRow(rows, atRow, [&](KeyRow<T>& row) { insertBefore(row, item, id); });
}

template <KeyboardRowItem T>
void remove(KeyRows<T>& rows, const RowIdOf<T>& id, int atRow) {
  detail::editRow(rows, atRow, [&](KeyRow<T>& row) { remove(row, id); });
}

template <KeyboardRowItem T>
void replace(KeyRows<T>& rows, const RowIdOf<T>& id, const T& item, int atRow) {
  detail::editRow(rows, atRow, [&](KeyRow<T>& row) { replace(row, id, item); });
}

// The same edit on every row, top row first.
template <KeyboardRowItem T>
void insertAfter(KeyRows<T>& rows, const T& item, const RowIdOf<T>& id) {
  const RowIdOf<T> key = id;
  for (auto& row : rows) insertAfter(row, item, key);
}

template <KeyboardRowItem T>
void insertBefore(KeyRows<T>& rows, const T& item, const RowIdOf<T>& id) {
  const RowIdOf<T> key = id;
  for (auto& row : rows) insertBefore(row, item, key);
}

template <KeyboardRowItem T>
void remove(KeyRows<T>& rows, const RowIdOf<T>& id) {
  const RowIdOf<T> key = id;
  for (auto& row : rows) remove(row, key);
}

template <KeyboardRowItem T>
void replace(KeyRows<T>& rows, const RowIdOf<T>& id, const T& item) {
  const RowIdOf<T> key = id;
  for (auto& row : rows) replace(row, key, item);
}

// Item forms on a list of rows take the item's rowId, so `replace` replaces
// the first match of each row, as the id form does.
template <KeyboardRowItemWithSeparateId T>
void insertAfter(KeyRows<T>& rows, const T& item, const T& after, int atRow) {
  insertAfter(rows, item, RowIdOf<T>(after.rowId()), atRow);
}

template <KeyboardRowItemWithSeparateId T>
void insertBefore(KeyRows<T>& rows, const T& item, const T& before, int atRow) {
  insertBefore(rows, item, RowIdOf<T>(before.rowId()), atRow);
}

template <KeyboardRowItemWithSeparateId T>
void remove(KeyRows<T>& rows, const T& item, int atRow) {
  remove(rows, RowIdOf<T>(item.rowId()), atRow);
}

template <KeyboardRowItemWithSeparateId T>
void replace(KeyRows<T>& rows, const T& old, const T& item, int atRow) {
  replace(rows, RowIdOf<T>(old.rowId()), item, atRow);
}

template <KeyboardRowItemWithSeparateId T>
void insertAfter(KeyRows<T>& rows, const T& item, const T& after) {
  insertAfter(rows, item, RowIdOf<T>(after.rowId()));
}

template <KeyboardRowItemWithSeparateId T>
void insertBefore(KeyRows<T>& rows, const T& item, const T& before) {
  insertBefore(rows, item, RowIdOf<T>(before.rowId()));
}

template <KeyboardRowItemWithSeparateId T>
void remove(KeyRows<T>& rows, const T& item) {
  remove(rows, RowIdOf<T>(item.rowId()));
}

template <KeyboardRowItemWithSeparateId T>
void replace(KeyRows<T>& rows, const T& old, const T& item) {
  replace(rows, RowIdOf<T>(old.rowId()), item);
}

}  // namespace keyloom
