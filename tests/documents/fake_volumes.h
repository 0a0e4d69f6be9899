// A volume source that lists given folders, for the chooser tests.
#pragma once

#include <vector>

#include "documents/volumes.h"

class FakeVolumeSource : public zavro::VolumeSource {
public:
    explicit FakeVolumeSource(std::vector<zavro::Volume> volumes) : volumes_(std::move(volumes)) {}
    std::vector<zavro::Volume> Volumes() const override { return volumes_; }

private:
    std::vector<zavro::Volume> volumes_;
};
