#pragma once

namespace ortelia {

// A value that moves to its target in equal steps, one per sample: fades and gain changes
// without a jump.
class Ramp {
public:
    explicit Ramp(float value = 1.0f) : m_value(value), m_target(value) {}

    void moveTo(float target, int steps)
    {
        m_target = target;
        m_left = steps > 0 ? steps : 0;
        m_step = m_left > 0 ? (target - m_value) / float(m_left) : 0.0f;
        if (m_left == 0)
            m_value = target;
    }
    void jumpTo(float value) { moveTo(value, 0); }

    // The value for this sample; then one step on.
    float next()
    {
        const float value = m_value;
        if (m_left > 0 && --m_left == 0)
            m_value = m_target;
        else if (m_left > 0)
            m_value += m_step;
        return value;
    }
    float value() const { return m_value; }
    bool moving() const { return m_left > 0; }
    int stepsLeft() const { return m_left; }

private:
    float m_value;
    float m_target;
    float m_step = 0.0f;
    int m_left = 0;
};

} // namespace ortelia
