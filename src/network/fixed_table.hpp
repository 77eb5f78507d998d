// A table of plain records with a fixed capacity, allocated once and
// zero-filled, never grown; every input line takes the next slot.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>

namespace rxnform {

template <typename Entry, int Capacity>
class fixed_table {
  static_assert(std::is_trivial_v<Entry>, "entries are plain records, valid when zero-filled");

 public:
  static constexpr int kCapacity = Capacity;

  // False if the memory could not be had. Zero-filled by calloc, so pages of
  // slots never used are never touched.
  bool allocate() {
    entries_.reset(static_cast<Entry*>(std::calloc(Capacity, sizeof(Entry))));
    return entries_ != nullptr;
  }

  int count() const { return count_; }
  bool full() const { return count_ == Capacity; }

  // The next free slot; only called while the table is not full.
  Entry& add() { return entries_[count_++]; }

  Entry& operator[](int slot) { return entries_[slot]; }
  const Entry& operator[](int slot) const { return entries_[slot]; }

 private:
  struct release {
    void operator()(Entry* entries) const { std::free(entries); }
  };
  std::unique_ptr<Entry[], release> entries_;
  int count_ = 0;  // slots used
};

// Copies at most N-1 characters of `text` into a terminated field of N bytes;
// returns the text as stored.
template <std::size_t N>
std::string_view store_field(char (&field)[N], std::string_view text) {
  std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
  return std::string_view(field, length);
}

}  // namespace rxnform
