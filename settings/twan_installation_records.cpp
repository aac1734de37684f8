#include "settings/twan_installation_records.h"

CMessage108::CMessage108()
    : CMessage_record(number_of_record, byte_count, "Message 108 header"),
      m_antenna_separation(new TScalar<float>(this, "Two Antenna Separation", 0.0f)),
      // The computer's name for it, misspelt as it is.
      m_baseline_vector(new TXyz<float>(this, "X Y Z Componnent", 0, 0, 0)),
      m_calibration_threshold(new TScalar<float>(this, "Heading Calibration Threshold", 3.0f)),
      m_heading_correction(new TScalar<float>(this, "HeadingCorrection", 0.0f))
{
    close_layout("Message 108 footer");
}
