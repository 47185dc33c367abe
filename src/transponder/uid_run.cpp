#include "transponder/uid_run.h"

#include "transponder/command_exchange.h"
#include "transponder/reader_command.h"
#include "transponder/reader_protocol.h"

ReaderStep ReadUidRun(ExchangeContext& context)
{
    const ReaderCommand command = ReadUidCommand();
    ReaderStep step{0, command.line.chopped(kCommandEnd.size()), CommandExchange(context, command),
                    false};
    step.good = command.isGoodAnswer(step.answer);
    PutAnswerRecord(context, step.answer);
    return step;
}
