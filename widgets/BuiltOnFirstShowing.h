// A window that exists from start-up, with its title, size and place, but makes its
// controls when it is first shown: start-up pays only for the empty window, and the
// window still opens at once, in the state its own showing gives it. Code that needs
// the controls of a window not yet shown calls ensureControls().
#pragma once

template <class Window>
class BuiltOnFirstShowing : public Window {
public:
    using Window::Window;

    void ensureControls()
    {
        if (m_built)
            return;
        m_built = true;
        buildControls();
    }
    bool controlsBuilt() const { return m_built; }

    void setVisible(bool visible) override
    {
        if (visible)
            ensureControls();
        Window::setVisible(visible);
    }

protected:
    // Makes the controls; called once, before the first showing at the latest.
    virtual void buildControls() = 0;

private:
    bool m_built = false;
};
