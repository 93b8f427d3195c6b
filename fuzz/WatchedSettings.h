#pragma once
// Settings for the fuzz targets that watch the writes made to them: how many, and a fingerprint
// of them in order. Each goes on to `store` when there is one (which refuses a name or kind
// outside the catalogue); without a store, reading aborts.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace korvex::fuzzing {

class WatchedSettings final : public Settings {
  public:
    explicit WatchedSettings(Settings* store) : store_(store) {}

    std::string text(std::string_view name) const override { return storeToRead().text(name); }
    void setText(std::string_view name, std::string_view value) override {
        watch(name, value);
        if (store_ != nullptr) {
            store_->setText(name, value);
        }
    }
    int index(std::string_view name) const override { return storeToRead().index(name); }
    void setIndex(std::string_view name, int index) override {
        watch(name, std::string_view(reinterpret_cast<const char*>(&index), sizeof index));
        if (store_ != nullptr) {
            store_->setIndex(name, index);
        }
    }
    bool checked(std::string_view name) const override { return storeToRead().checked(name); }
    void setChecked(std::string_view name, bool value) override {
        watch(name, value ? "1" : "0");
        if (store_ != nullptr) {
            store_->setChecked(name, value);
        }
    }

    size_t writes = 0;
    uint64_t fingerprint = 0xcbf29ce484222325ull;

  private:
    Settings& storeToRead() const {
        if (store_ == nullptr) {
            std::abort();
        }
        return *store_;
    }
    void watch(std::string_view name, std::string_view value) {
        ++writes;
        for (std::string_view part : {name, value}) {
            const uint64_t hash = std::hash<std::string_view>{}(part);
            fingerprint ^= hash + 0x9e3779b97f4a7c15ull + (fingerprint << 6) + (fingerprint >> 2);
        }
    }

    Settings* store_;
};

}  // namespace korvex::fuzzing
