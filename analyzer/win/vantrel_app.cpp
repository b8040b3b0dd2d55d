#include "analyzer/win/vantrel_app.h"

#include "analyzer/win/settings.h"
#include "analyzer/win/vnt.h"
#include "analyzer/win/win_message_sink.h"
#include "analyzer/win/win_serial_port.h"
#include "analyzer/win/win_text.h"

int RunVantrel(HINSTANCE instance, int show) {
  Win32SerialPort port;
  WinMessageSink sink;
  TVNT vnt(port, sink);
  if (!vnt.Create(instance)) {
    sink.Show(ErrorBox("Не удалось создать главное окно."));
    return 1;
  }
  if (!vnt.Startup(kConfigFileName)) return 1;
  TSettings settings(vnt.config);
  if (!settings.Create(instance, vnt.Handle())) {
    sink.Show(ErrorBox("Не удалось создать окно настроек."));
    return 1;
  }
  vnt.AttachSettings(&settings);
  ShowWindow(vnt.Handle(), show);
  UpdateWindow(vnt.Handle());

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (vnt.TranslateKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
