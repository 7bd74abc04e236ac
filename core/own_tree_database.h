#pragma once
// The file-name database of the own TeX tree, refreshed once a first run has
// written its configuration, so TeX finds what the user puts there.
namespace orvo {

class OwnTreeDatabase {
public:
    virtual ~OwnTreeDatabase() = default;
    virtual void refresh() = 0;
};

// Leaves the database alone: the own tree starts empty, so nothing is missed
// until the refresh runs unattended.
class NullOwnTreeDatabase : public OwnTreeDatabase {
public:
    void refresh() override {}
};

}  // namespace orvo
