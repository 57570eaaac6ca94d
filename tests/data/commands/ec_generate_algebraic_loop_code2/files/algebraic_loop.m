Model {
  Name "algebraic_loop"
  StopTime "10"
  System {
    Name "algebraic_loop"
    Block {
      BlockType Constant
      Name "1e"
      Position [100, 40, 125, 65]
      Value "1"
    }
    Block {
      BlockType Terminator
      Name "1t"
      Position [135, 40, 160, 65]
    }
    Block {
      BlockType Sum
      Name "2sum"
      Position [200, 40, 225, 65]
      Inputs "+-"
    }
    Block {
      BlockType Gain
      Name "3e"
      Position [300, 40, 325, 65]
      Gain "100"
    }
    Block {
      BlockType Sum
      Name "4sum"
      Position [400, 40, 425, 65]
      Inputs "+++"
    }
    Block {
      BlockType Gain
      Name "5f"
      Position [500, 40, 525, 65]
      Gain "1/(200)"
    }
    Block {
      BlockType Gain
      Name "6e"
      Position [600, 40, 625, 65]
      Gain "1"
    }
    Block {
      BlockType Constant
      Name "6f"
      Position [635, 40, 660, 65]
      Value "0"
    }
    Block {
      BlockType Sum
      Name "8sum"
      Position [800, 40, 825, 65]
      Inputs "+-"
    }
    Block {
      BlockType Gain
      Name "9f"
      Position [900, 40, 925, 65]
      Gain "1/(50)"
    }
    Block {
      BlockType Integrator
      Name "10q"
      Position [1000, 40, 1025, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "10e"
      Position [1035, 40, 1060, 65]
      Gain "1/(1e-4)"
    }
    Line {
      SrcBlock "10q"
      SrcPort 1
      DstBlock "10e"
      DstPort 1
    }
    Block {
      BlockType Scope
      Name "11scope"
      Position [1100, 40, 1125, 65]
    }
    Line {
      SrcBlock "1e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 1
    }
    Line {
      SrcBlock "4sum"
      SrcPort 1
      DstBlock "1t"
      DstPort 1
    }
    Line {
      SrcBlock "4sum"
      SrcPort 1
      DstBlock "3e"
      DstPort 1
    }
    Line {
      SrcBlock "3e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 2
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "5f"
      DstPort 1
    }
    Line {
      SrcBlock "5f"
      SrcPort 1
      DstBlock "4sum"
      DstPort 1
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "6e"
      DstPort 1
    }
    Line {
      SrcBlock "6f"
      SrcPort 1
      DstBlock "4sum"
      DstPort 2
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "8sum"
      DstPort 1
    }
    Line {
      SrcBlock "9f"
      SrcPort 1
      DstBlock "4sum"
      DstPort 3
    }
    Line {
      SrcBlock "8sum"
      SrcPort 1
      DstBlock "9f"
      DstPort 1
    }
    Line {
      SrcBlock "9f"
      SrcPort 1
      DstBlock "10q"
      DstPort 1
    }
    Line {
      SrcBlock "10e"
      SrcPort 1
      DstBlock "8sum"
      DstPort 2
    }
    Line {
      SrcBlock "6e"
      SrcPort 1
      DstBlock "11scope"
      DstPort 1
    }
  }
}
