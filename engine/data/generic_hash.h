// The digest interface shared by the container's two digest objects, so that the container
// code does not depend on the algorithm.
#pragma once

class CQZDG_GENERIC_HASH {
public:
    virtual ~CQZDG_GENERIC_HASH() = default;

    virtual void Init() {}
    virtual void Update(const unsigned char* data, unsigned length) {
        (void)data;
        (void)length;
    }
    // Writes DigestBytes() bytes; Init must run again before the object is reused.
    virtual void Final(unsigned char* out) { (void)out; }

    void Hash(const unsigned char* data, unsigned length, unsigned char* out) {
        Init();
        Update(data, length);
        Final(out);
    }

    int DigestBits() const { return digest_bits_; }
    int BlockBits() const { return block_bits_; }
    int DigestBytes() const { return digest_bits_ / 8; }

protected:
    int digest_bits_ = 0;
    int block_bits_ = 0;
};
