#pragma once
// The exit status of a subcommand that handles several class names: the gravest outcome
// of any of them.

namespace qv::cli {

class ExitStatus {
public:
    static constexpr int kNotFound = 1;       // a class does not exist
    static constexpr int kBrokenLibrary = 2;  // the library or a class file is broken
    static constexpr int kCapacity = 3;       // a class has more members than the window shows

    void add(int status)
    {
        if (gravity(status) > gravity(value_))
            value_ = status;
    }
    int value() const { return value_; }

private:
    static int gravity(int status)
    {
        switch (status) {
        case 0:
            return 0;
        case kNotFound:
            return 1;
        case kCapacity:
            return 2;
        default:
            return 3;
        }
    }

    int value_ = 0;
};

}  // namespace qv::cli
