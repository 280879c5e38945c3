#pragma once
// The worked example: an item on the default drive that uses every kind of KRX line.

inline constexpr const char* kWorkedExampleText =
    "SetupInterrupt=1;Mask=0x00000020;Unmask=0x0000001F;Reset=0x00000002;SwProtMask=0x00000003;"
    "SwProtUnmask=0x00000004;LSP=0;LSN=1;Capture=1;CaptureType=1;KRXINTPER=2 ms;";

inline constexpr const char* kWorkedExampleLines =
    "  SRB ISR, 0x80FD, 0; //Reset Bits of Interrupt Status Register\r\n"
    "  SRB PCR, 0x001C, 0x0004; //Set/Reset Bits of Protection Control Register\r\n"
    "  ENLSP1; //Positive Limit Switch triggers rising edge\r\n"
    "  ENLSN1; //Negative Limit Switch triggers falling edge\r\n"
    "  ENCAPI0; ////Activate CAPI input to trigger a falling transitions\r\n"
    "  KRXINTPER = 8;//Set a time interrupt at every 2[ms]\r\n"
    "  SRB ICR, 0x80DF, 0x001F; //Set/Reset Bits of Interrupt Control Register\r\n"
    "  EINT; //Enable KRX INTerrupts\r\n";
