#include "net/voice/OpusVoiceCodec.h"

#include <opus/opus.h>

#include "net/voice/VoiceFormat.h"

namespace {

// Frees a coder state on every way out of a call.
struct EncoderHolder {
    OpusEncoder* p = nullptr;
    ~EncoderHolder()
    {
        if (p) opus_encoder_destroy(p);
    }
};

struct DecoderHolder {
    OpusDecoder* p = nullptr;
    ~DecoderHolder()
    {
        if (p) opus_decoder_destroy(p);
    }
};

bool Configure(OpusEncoder* pEncoder)
{
    return opus_encoder_ctl(pEncoder, OPUS_SET_BITRATE(voice::kBitRate)) == OPUS_OK &&
           opus_encoder_ctl(pEncoder, OPUS_SET_COMPLEXITY(voice::kComplexity)) == OPUS_OK &&
           opus_encoder_ctl(pEncoder, OPUS_SET_SIGNAL(OPUS_SIGNAL_VOICE)) == OPUS_OK &&
           opus_encoder_ctl(pEncoder, OPUS_SET_BANDWIDTH(OPUS_BANDWIDTH_NARROWBAND)) == OPUS_OK &&
           opus_encoder_ctl(pEncoder, OPUS_SET_MAX_BANDWIDTH(OPUS_BANDWIDTH_NARROWBAND)) == OPUS_OK &&
           opus_encoder_ctl(pEncoder, OPUS_SET_PACKET_LOSS_PERC(0)) == OPUS_OK &&
           opus_encoder_ctl(pEncoder, OPUS_SET_INBAND_FEC(0)) == OPUS_OK &&
           opus_encoder_ctl(pEncoder, OPUS_SET_DTX(0)) == OPUS_OK;
}

}  // namespace

bool COpusVoiceCodec::IsCodableBlock(int nSamples)
{
    // 2.5, 5, 10, 20, 40, 60, 80, 100 and 120 ms at 8 kHz.
    static const int kSizes[] = {20, 40, 80, 160, 320, 480, 640, 800, 960};
    for (int n : kSizes)
        if (n == nSamples) return true;
    return false;
}

int COpusVoiceCodec::Encode(const short* pSamples, int nSamples, unsigned char* pOut, int nCapacity)
{
    if (!pSamples || !pOut || nCapacity <= 0 || !IsCodableBlock(nSamples)) return -1;
    int nError = OPUS_OK;
    EncoderHolder encoder;
    encoder.p = opus_encoder_create(voice::kSampleRate, 1, OPUS_APPLICATION_VOIP, &nError);
    if (!encoder.p || nError != OPUS_OK || !Configure(encoder.p)) return -1;
    // Opus never writes more than max_data_bytes.
    int nBytes = opus_encode(encoder.p, pSamples, nSamples, pOut, nCapacity);
    return nBytes < 0 ? -1 : nBytes;
}

int COpusVoiceCodec::Decode(const unsigned char* pFrame, int nLength, short* pOut, int nCapacity)
{
    // An empty frame would make the decoder invent a lost-packet concealment.
    if (!pFrame || nLength <= 0 || !pOut || nCapacity <= 0) return -1;
    int nError = OPUS_OK;
    DecoderHolder decoder;
    decoder.p = opus_decoder_create(voice::kSampleRate, 1, &nError);
    if (!decoder.p || nError != OPUS_OK) return -1;
    // With nCapacity as the frame size the decoder refuses (OPUS_BUFFER_TOO_SMALL) a frame that
    // holds more samples than that instead of writing past pOut.
    int nSamples = opus_decode(decoder.p, pFrame, nLength, pOut, nCapacity, 0);
    return nSamples < 0 ? -1 : nSamples;
}
