#pragma once

#include "user_control.h"

// The window's skinning control: invisible at run time, and idle until a skin is loaded into
// it.
class SkinFramework final : public UserControl
{
public:
    explicit SkinFramework(QWidget *parent) : UserControl(parent) {}
};
